// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model_catalogue.h"

#include "models/lens/lens_sheet.h"
#include "models/reflection/plane_mirror_sheet.h"
#include "models/reflection/reflection_sheet.h"
#include "models/refraction/plate_sheet.h"
#include "models/refraction/prism_sheet.h"
#include "models/refraction/refraction_sheet.h"
#include "models/shadow/one_source_sheet.h"
#include "models/shadow/two_source_sheet.h"

#include <QCoreApplication>

namespace {

template <typename Sheet>
ModelSheet* create()
{
    return new Sheet;
}

} // namespace

QString ModelEntry::title() const
{
    return QCoreApplication::translate("ModelCatalogue", titleText);
}

QString ModelEntry::description() const
{
    return QCoreApplication::translate("ModelCatalogue", descriptionText);
}

const QList<ModelEntry>& ModelCatalogue()
{
    static const QList<ModelEntry> models = {
        {QStringLiteral("shadow1"), QStringLiteral("sTabSheet1"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ИСТОЧНИКА СВЕТА"), QStringLiteral("img\\1.png"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "Модель демонстрирует образование тени и полутени от одного источника света, доказывая закон прямолинейного распространения света"),
         create<OneSourceShadowSheet>},
        {QStringLiteral("shadow2"), QStringLiteral("sTabSheet2"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ДВУХ ИСТОЧНИКОВ СВЕТА"), QStringLiteral("img\\2.png"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "Модель демонстрирует образование тени и полутени от двух источников света. Как и первая модель доказывает закон прямолинейного распространения света, а также независимость световых пучков"),
         create<TwoSourceShadowSheet>},
        {QStringLiteral("reflection"), QStringLiteral("sTabSheet3"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "ЗАКОН ОТРАЖЕНИЯ"), QStringLiteral("img\\3.png"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "Модель демонстрирует доказательства закона отражения от плоского зеркала. Для более качественного понимания этого закона в модели предусмотрено изменение угла зеркала."),
         create<ReflectionSheet>},
        {QStringLiteral("mirror"), QStringLiteral("sTabSheet5"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "ПЛОСКОЕ ЗЕРКАЛО"), QStringLiteral("img\\4.png"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "Модель демонстрирует получение изображения с помощью плоского зеркала, что в свою очередь доказывает закон отражения. В модели можно выбрать в качестве предмета как точку, так и стрелку"),
         create<PlaneMirrorSheet>},
        {QStringLiteral("refraction"), QStringLiteral("sTabSheet4"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "ЗАКОН ПРЕЛОМЛЕНИЯ"), QStringLiteral("img\\5.png"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "Модель демонстрирует один из фундаментальных законов геометрической оптики, а именно закон преломления. Модель считает не только угол преломления луча, но и показывает значение предельного угла, при котором появляется полное внутреннее отражение. Кроме этого в модель входит дополнительная информация, включающая в себя сведения о скорости света в средах относительно вакуума."),
         create<RefractionSheet>},
        {QStringLiteral("plate"), QStringLiteral("sTabSheet6"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "ПРЕЛОМЛЕНИЕ СВЕТА В ПЛОСКОПАРАЛЛЕЛЬНОЙ ПЛАСТИНКЕ"), QStringLiteral("img\\6.png"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "Модель демонстрирует ход лучей сквозь плоскопараллельную пластинку определенной толщины. Модель позволяет также находить смещение луча в зависимости от угла падения"),
         create<PlateSheet>},
        {QStringLiteral("prism"), QStringLiteral("sTabSheet7"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "ПРЕЛОМЛЕНИЕ СВЕТА В ТРЕУГОЛЬНОЙ ПРИЗМЕ"), QStringLiteral("img\\7.png"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "Модель демонстрирует ход лучей сквозь треугольную призму. Модель позволяет менять угол призмы и угол луча, а также проследить, при каких условиях возникает в призме явление полного внутреннего отражения."),
         create<PrismSheet>},
        {QStringLiteral("lens"), QStringLiteral("sTabSheet8"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "ЛИНЗА КАК ОПТИЧЕСКИЙ ПРИБОР"), QStringLiteral("img\\8.png"),
         QT_TRANSLATE_NOOP("ModelCatalogue", "Модель демонстрирует ход лучей в линзе, а кроме этого — построение изображения. Данная модель представлена как схема реального явления. Кроме этого данную модель можно применять и как виртуальную лабораторную установку при заданных параметрах."),
         create<LensSheet>},
    };
    return models;
}

const ModelEntry* FindModel(const QString& name)
{
    for (const ModelEntry& model : ModelCatalogue()) {
        if (model.name == name)
            return &model;
    }
    return nullptr;
}
