// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe.h"

#include "app/main_window.h"
#include "app/model_catalogue.h"
#include "app/program_windows.h"
#include "ui/fonts.h"
#include "ui/glyphs.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTabWidget>

#include <cstdio>

int RunCardVerb(ProbeSession& session, const QString& model, const QString& file)
{
    const ModelEntry* entry = FindModel(model);
    if (!entry) {
        std::fprintf(stderr, "no model %s\n", qPrintable(model));
        return 1;
    }
    auto* host = session.windows.form1->findChild<QTabWidget*>(QStringLiteral("sPageControl1"));
    const QString title = host->tabText(host->indexOf(session.windows.form1->sheet(entry->sheet)));

    QImage card(329, 193, QImage::Format_RGB32);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, card.height());
    ground.setColorAt(0, QColor(0x10, 0x14, 0x1C));
    ground.setColorAt(1, QColor(0x00, 0x00, 0x00));
    painter.fillRect(card.rect(), ground);
    painter.drawPixmap(card.width() / 2 - 24, 22, GlyphPixmap(Glyph::Models, 48));
    painter.setPen(QColor(0xCD, 0xD5, 0xDE));
    painter.setFont(UiFont(QStringLiteral("MS Sans Serif"), 16, true));
    painter.drawText(QRect(16, 80, card.width() - 32, 96), Qt::AlignCenter | Qt::TextWordWrap, title);
    painter.end();
    if (!card.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
