// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/rtf_control_words.h"

#include <algorithm>
#include <iterator>

namespace {

// Sorted by name for the binary search; the build checks the order.
constexpr RtfControlWord kWords[] = {
    {"annotation", RtfWordKind::Destination, RtfAction::Skipped},
    {"ansicpg", RtfWordKind::Value, RtfAction::AnsiCodePage},
    {"atnauthor", RtfWordKind::Destination, RtfAction::Skipped},
    {"atnid", RtfWordKind::Destination, RtfAction::Skipped},
    {"b", RtfWordKind::Toggle, RtfAction::Bold},
    {"bkmkend", RtfWordKind::Destination, RtfAction::Skipped},
    {"bkmkstart", RtfWordKind::Destination, RtfAction::Skipped},
    {"blue", RtfWordKind::Value, RtfAction::Blue},
    {"bullet", RtfWordKind::Symbol, RtfAction::Character, u'\u2022'},
    {"cb", RtfWordKind::Value, RtfAction::Background},
    {"cell", RtfWordKind::Table, RtfAction::EndCell},
    {"cellx", RtfWordKind::Table, RtfAction::CellBoundary},
    {"cf", RtfWordKind::Value, RtfAction::Foreground},
    {"chcbpat", RtfWordKind::Value, RtfAction::Background},
    {"colorschememapping", RtfWordKind::Destination, RtfAction::Skipped},
    {"colortbl", RtfWordKind::Destination, RtfAction::ColourTable},
    {"comment", RtfWordKind::Destination, RtfAction::Skipped},
    {"cpg", RtfWordKind::Value, RtfAction::FontCodePage},
    {"datastore", RtfWordKind::Destination, RtfAction::Skipped},
    {"deff", RtfWordKind::Value, RtfAction::DefaultFont},
    {"docvar", RtfWordKind::Destination, RtfAction::Skipped},
    {"emdash", RtfWordKind::Symbol, RtfAction::Character, u'\u2014'},
    {"endash", RtfWordKind::Symbol, RtfAction::Character, u'\u2013'},
    {"f", RtfWordKind::Value, RtfAction::Font},
    {"fcharset", RtfWordKind::Value, RtfAction::FontCharset},
    {"fi", RtfWordKind::Paragraph, RtfAction::FirstIndent},
    {"filetbl", RtfWordKind::Destination, RtfAction::Skipped},
    {"fldinst", RtfWordKind::Destination, RtfAction::Skipped},
    {"fldrslt", RtfWordKind::Destination, RtfAction::Shown},
    {"fonttbl", RtfWordKind::Destination, RtfAction::FontTable},
    {"footer", RtfWordKind::Destination, RtfAction::Skipped},
    {"footerf", RtfWordKind::Destination, RtfAction::Skipped},
    {"footerl", RtfWordKind::Destination, RtfAction::Skipped},
    {"footerr", RtfWordKind::Destination, RtfAction::Skipped},
    {"footnote", RtfWordKind::Destination, RtfAction::Skipped},
    {"fs", RtfWordKind::Value, RtfAction::FontSize},
    {"generator", RtfWordKind::Destination, RtfAction::Skipped},
    {"green", RtfWordKind::Value, RtfAction::Green},
    {"header", RtfWordKind::Destination, RtfAction::Skipped},
    {"headerf", RtfWordKind::Destination, RtfAction::Skipped},
    {"headerl", RtfWordKind::Destination, RtfAction::Skipped},
    {"headerr", RtfWordKind::Destination, RtfAction::Skipped},
    {"highlight", RtfWordKind::Value, RtfAction::Background},
    {"i", RtfWordKind::Toggle, RtfAction::Italic},
    {"info", RtfWordKind::Destination, RtfAction::Skipped},
    {"intbl", RtfWordKind::Table, RtfAction::InTable},
    {"jpegblip", RtfWordKind::Picture, RtfAction::Jpeg},
    {"latentstyles", RtfWordKind::Destination, RtfAction::Skipped},
    {"ldblquote", RtfWordKind::Symbol, RtfAction::Character, u'\u201C'},
    {"li", RtfWordKind::Paragraph, RtfAction::LeftIndent},
    {"line", RtfWordKind::Symbol, RtfAction::Character, u'\u2028'},
    {"listoverridetable", RtfWordKind::Destination, RtfAction::Skipped},
    {"listtable", RtfWordKind::Destination, RtfAction::Skipped},
    {"lquote", RtfWordKind::Symbol, RtfAction::Character, u'\u2018'},
    {"mmathPr", RtfWordKind::Destination, RtfAction::Skipped},
    {"nonshppict", RtfWordKind::Destination, RtfAction::Skipped},
    {"nosupersub", RtfWordKind::Value, RtfAction::NoSuperSub},
    {"objdata", RtfWordKind::Destination, RtfAction::Skipped},
    {"object", RtfWordKind::Destination, RtfAction::Skipped},
    {"par", RtfWordKind::Paragraph, RtfAction::EndParagraph},
    {"pard", RtfWordKind::Paragraph, RtfAction::ResetParagraph},
    {"passwordhash", RtfWordKind::Destination, RtfAction::Skipped},
    {"pgdsctbl", RtfWordKind::Destination, RtfAction::Skipped},
    {"pichgoal", RtfWordKind::Picture, RtfAction::GoalHeight},
    {"picscalex", RtfWordKind::Picture, RtfAction::ScaleX},
    {"picscaley", RtfWordKind::Picture, RtfAction::ScaleY},
    {"pict", RtfWordKind::Destination, RtfAction::PictureData},
    {"picwgoal", RtfWordKind::Picture, RtfAction::GoalWidth},
    {"plain", RtfWordKind::Value, RtfAction::Plain},
    {"pngblip", RtfWordKind::Picture, RtfAction::Png},
    {"qc", RtfWordKind::Paragraph, RtfAction::AlignCentre},
    {"qj", RtfWordKind::Paragraph, RtfAction::Justify},
    {"ql", RtfWordKind::Paragraph, RtfAction::AlignLeft},
    {"qr", RtfWordKind::Paragraph, RtfAction::AlignRight},
    {"rdblquote", RtfWordKind::Symbol, RtfAction::Character, u'\u201D'},
    {"red", RtfWordKind::Value, RtfAction::Red},
    {"result", RtfWordKind::Destination, RtfAction::Shown},
    {"revtbl", RtfWordKind::Destination, RtfAction::Skipped},
    {"ri", RtfWordKind::Paragraph, RtfAction::RightIndent},
    {"row", RtfWordKind::Table, RtfAction::EndRow},
    {"rquote", RtfWordKind::Symbol, RtfAction::Character, u'\u2019'},
    {"rsidtbl", RtfWordKind::Destination, RtfAction::Skipped},
    {"sa", RtfWordKind::Paragraph, RtfAction::SpaceAfter},
    {"sb", RtfWordKind::Paragraph, RtfAction::SpaceBefore},
    {"sect", RtfWordKind::Paragraph, RtfAction::EndParagraph},
    {"shppict", RtfWordKind::Destination, RtfAction::Shown},
    {"strike", RtfWordKind::Toggle, RtfAction::Strike},
    {"stylesheet", RtfWordKind::Destination, RtfAction::Skipped},
    {"sub", RtfWordKind::Value, RtfAction::Subscript},
    {"super", RtfWordKind::Value, RtfAction::Superscript},
    {"tab", RtfWordKind::Symbol, RtfAction::Character, u'\t'},
    {"template", RtfWordKind::Destination, RtfAction::Skipped},
    {"themedata", RtfWordKind::Destination, RtfAction::Skipped},
    {"trowd", RtfWordKind::Table, RtfAction::RowDefinition},
    {"tx", RtfWordKind::Paragraph, RtfAction::TabStop},
    {"u", RtfWordKind::Value, RtfAction::Unicode},
    {"uc", RtfWordKind::Value, RtfAction::UnicodeSkip},
    {"ul", RtfWordKind::Toggle, RtfAction::Underline},
    {"uld", RtfWordKind::Toggle, RtfAction::Underline},
    {"uldash", RtfWordKind::Toggle, RtfAction::Underline},
    {"uldb", RtfWordKind::Toggle, RtfAction::Underline},
    {"ulnone", RtfWordKind::Value, RtfAction::NoUnderline},
    {"ulth", RtfWordKind::Toggle, RtfAction::Underline},
    {"ulw", RtfWordKind::Toggle, RtfAction::Underline},
    {"userprops", RtfWordKind::Destination, RtfAction::Skipped},
    {"xmlnstbl", RtfWordKind::Destination, RtfAction::Skipped},
};

constexpr bool sortedByName()
{
    for (std::size_t i = 1; i < std::size(kWords); ++i) {
        if (!(kWords[i - 1].name < kWords[i].name))
            return false;
    }
    return true;
}
static_assert(sortedByName(), "the control words must stay sorted by name");

} // namespace

const RtfControlWord* FindRtfControlWord(QByteArrayView name)
{
    const std::string_view key(name.data(), std::size_t(name.size()));
    const auto found = std::lower_bound(std::begin(kWords), std::end(kWords), key,
                                        [](const RtfControlWord& word, std::string_view k) { return word.name < k; });
    return found != std::end(kWords) && found->name == key ? found : nullptr;
}
