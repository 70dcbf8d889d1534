// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/readout_accessibility.h"

#include "kit/number_text.h"
#include "ui/readout_text.h"
#include "ui/vr_jog_meter.h"
#include "ui/vr_led_clock.h"
#include "ui/vr_scroll_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRegularExpression>

namespace {

bool IsReadout(const QObject* object)
{
    auto* widget = qobject_cast<const QWidget*>(object);
    return widget && (ReadoutText(widget) || qobject_cast<const TVrLedClock*>(widget)
                      || qobject_cast<const TVrScrollText*>(widget));
}

class ReadoutInterface : public QAccessibleWidget {
public:
    explicit ReadoutInterface(QWidget* readout) : QAccessibleWidget(readout, QAccessible::StaticText) {}

    // The value is the description as well: over AT-SPI a static text
    // carries no value, and a reader speaks a description with the name.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || kind == QAccessible::Description)
            return SpokenReadout(widget());
        // Only the form's own caption: the group's title that Qt would offer
        // instead names every readout of the group alike.
        if (kind == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* ReadoutInterfaceFor(const QString&, QObject* object)
{
    return IsReadout(object) ? new ReadoutInterface(static_cast<QWidget*>(object)) : nullptr;
}

// The unit as a reader says it: "СМ" on the panel is "см".
QString UnitOf(const QWidget* readout)
{
    const QByteArray name = readout->property("unitLabel").toByteArray();
    const QLabel* label = name.isEmpty() || !readout->parentWidget()
                              ? nullptr
                              : readout->parentWidget()->findChild<QLabel*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    return label ? label->text().simplified().toLower() : QString();
}

} // namespace

void InstallReadoutAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(ReadoutInterfaceFor);
    installed = true;
}

QString SpokenReadout(const QWidget* readout)
{
    QString shown;
    if (auto* clock = qobject_cast<const TVrLedClock*>(readout))
        shown = clock->shownText();
    else if (auto* line = qobject_cast<const TVrScrollText*>(readout))
        shown = line->text();
    else if (auto* dial = qobject_cast<const TVrJogMeter*>(readout))
        shown = QString::number(dial->value()).replace(QLatin1Char('.'), DecimalSeparator());
    else
        shown = ReadoutText(readout).value_or(QString());
    const QString unit = readout ? UnitOf(readout) : QString();
    // "NO" (no such angle) takes no unit.
    const bool number = shown.contains(QRegularExpression(QStringLiteral("\\d")));
    return unit.isEmpty() || !number ? shown : shown + QLatin1Char(' ') + unit;
}

void AnnounceReadoutChange(QWidget* readout)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent value(readout, SpokenReadout(readout));
    QAccessible::updateAccessibility(&value);
    QAccessibleEvent description(readout, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}
