#include "app/model_catalogue.h"

#include "models/lens/lens_sheet.h"
#include "models/reflection/plane_mirror_sheet.h"
#include "models/reflection/reflection_sheet.h"
#include "models/refraction/plate_sheet.h"
#include "models/refraction/prism_sheet.h"
#include "models/refraction/refraction_sheet.h"
#include "models/shadow/one_source_sheet.h"
#include "models/shadow/two_source_sheet.h"

namespace {

template <typename Sheet>
ModelSheet* create()
{
    return new Sheet;
}

} // namespace

const QList<ModelEntry>& ModelCatalogue()
{
    static const QList<ModelEntry> models = {
        {QStringLiteral("shadow1"), QStringLiteral("sTabSheet1"),
         QStringLiteral("ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ИСТОЧНИКА СВЕТА"), QStringLiteral("img\\1.png"),
         QStringLiteral("Модель демонстрирует образование тени и полутени от одного источника света, доказывая закон прямолинейного распространения света"),
         create<OneSourceShadowSheet>},
        {QStringLiteral("shadow2"), QStringLiteral("sTabSheet2"),
         QStringLiteral("ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ДВУХ ИСТОЧНИКОВ СВЕТА"), QStringLiteral("img\\2.png"),
         QStringLiteral("Модель демонстрирует образование тени и полутени от двух источников света. Как и первая модель доказывает закон прямолинейного распространения света, а так же независимость световых пучков"),
         create<TwoSourceShadowSheet>},
        {QStringLiteral("reflection"), QStringLiteral("sTabSheet3"),
         QStringLiteral("ЗАКОН ОТРАЖЕНИЯ"), QStringLiteral("img\\3.png"),
         QStringLiteral("Модель демонстрирует доказательства закона отражения от плоского зеркала. Для более качественно понимания этого закона в моделе предусмотрено изменения угла зеркала."),
         create<ReflectionSheet>},
        {QStringLiteral("mirror"), QStringLiteral("sTabSheet5"),
         QStringLiteral("ПЛОСКОЕ ЗЕРКАЛО"), QStringLiteral("img\\4.png"),
         QStringLiteral("Модель демонстрирует получения изображения с помощью плосокго зеркала, что в свою очередь доказывает закон отражения.В модели можно выбрать в качестве предмета как точку, так и стрелку"),
         create<PlaneMirrorSheet>},
        {QStringLiteral("refraction"), QStringLiteral("sTabSheet4"),
         QStringLiteral("ЗАКОН ПРЕЛОМЛЕНИЯ"), QStringLiteral("img\\5.png"),
         QStringLiteral("Модель демонстрирует один из фундаментальных законов геометрической оптики, а имено закон отражения. Модель счатиет не только угол преломления луча,но и показывает занчения предельного угла, при котором появляется полное внутренее отражение. Кроме этого в модель входит дополнительная информация, включающая в себя сведения скорости света в средах относительно вакуума."),
         create<RefractionSheet>},
        {QStringLiteral("plate"), QStringLiteral("sTabSheet6"),
         QStringLiteral("ПРЕЛОМЛЕНИЕ СВЕТА В ПЛОСКОПАРАЛЛЕЛЬНОЙ ПЛАСТИНКЕ"), QStringLiteral("img\\6.png"),
         QStringLiteral("Модель демонстрирует ход лучей сквозь плоскопараллельную пластинку определенной толщины. Модель позваоляет так же находить смещение луча относительно угла падаения"),
         create<PlateSheet>},
        {QStringLiteral("prism"), QStringLiteral("sTabSheet7"),
         QStringLiteral("ПРЕЛОМЛЕНИЕ СВЕТА В ТРЕУГОЛЬНОЙ ПРИЗМЕ"), QStringLiteral("img\\7.png"),
         QStringLiteral("Модель демонстрирует ход лучей сквозь треугольную призму. Модель позволяет менять угол призмы и угол луча, а так же модель позволяет проследить при каких условиях возникает в призме явление полного внутренего отражения."),
         create<PrismSheet>},
        {QStringLiteral("lens"), QStringLiteral("sTabSheet8"),
         QStringLiteral("ЛИНЗА КАК ОПТИЧЕСКИЙ ПРИБОР"), QStringLiteral("img\\8.png"),
         QStringLiteral("Модель демонстрирует ход лучей в линзу. кроме этого демонтрирует построение изображения.Данная модель представлена как схема реального явления. Кроме этого данную модель можно применять и как фирутальную лабораторную установку при заданных определенных параметров."),
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
