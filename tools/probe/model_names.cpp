#include "model_names.h"

#include <QMap>

QString SheetOfModel(const QString& model)
{
    static const QMap<QString, QString> sheets = {
        {QStringLiteral("shadow1"), QStringLiteral("sTabSheet1")},
        {QStringLiteral("shadow2"), QStringLiteral("sTabSheet2")},
        {QStringLiteral("reflection"), QStringLiteral("sTabSheet3")},
        {QStringLiteral("mirror"), QStringLiteral("sTabSheet5")},
        {QStringLiteral("refraction"), QStringLiteral("sTabSheet4")},
        {QStringLiteral("plate"), QStringLiteral("sTabSheet6")},
        {QStringLiteral("prism"), QStringLiteral("sTabSheet7")},
        {QStringLiteral("lens"), QStringLiteral("sTabSheet8")},
    };
    return sheets.value(model);
}
