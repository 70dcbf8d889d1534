<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>CalcEdit</name>
    <message>
        <source>Калькулятор</source>
        <translation>Calculator</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>FullScreenPicture</name>
    <message>
        <source>Рисунок модели</source>
        <translation>Model picture</translation>
    </message>
</context>
<context>
    <name>LensSheet</name>
    <message>
        <source>ЛИНЗА</source>
        <translation>LENS</translation>
    </message>
    <message>
        <source>собирающая</source>
        <translation>converging</translation>
    </message>
    <message>
        <source>рассеивающая</source>
        <translation>diverging</translation>
    </message>
    <message>
        <source>Фокус F:</source>
        <translation>Focus F:</translation>
    </message>
    <message>
        <source>Фокусное расстояние F</source>
        <translation>Focal length F</translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Шкала фокусного расстояния</source>
        <translation>Focal length scale</translation>
    </message>
    <message>
        <source>Отображение
линзы</source>
        <translation>Lens
drawing</translation>
    </message>
    <message>
        <source>контурное изображение</source>
        <translation>outline</translation>
    </message>
    <message>
        <source>схематический чертеж</source>
        <translation>schematic</translation>
    </message>
    <message>
        <source>ПРЕДМЕТ</source>
        <translation>OBJECT</translation>
    </message>
    <message>
        <source>Положение d:</source>
        <translation>Position d:</translation>
    </message>
    <message>
        <source>Положение предмета d</source>
        <translation>Object position d</translation>
    </message>
    <message>
        <source>Шкала положения предмета</source>
        <translation>Object position scale</translation>
    </message>
    <message>
        <source>Высота h1:</source>
        <translation>Height h1:</translation>
    </message>
    <message>
        <source>Высота предмета h1</source>
        <translation>Object height h1</translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Условие:</source>
        <translation>Case:</translation>
    </message>
    <message>
        <source>Условие</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>ЛУЧИ В
БЕСКОНЕЧНОСТИ</source>
        <translation>RAYS MEET
AT INFINITY</translation>
    </message>
    <message>
        <source>Оптическая сила D:</source>
        <translation>Optical power D:</translation>
    </message>
    <message>
        <source>Оптическая сила D</source>
        <translation>Optical power D</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>дптр</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Расстояние до 
изображения f:</source>
        <translation>Image
distance f:</translation>
    </message>
    <message>
        <source>Расстояние до изображения f</source>
        <translation>Image distance f</translation>
    </message>
    <message>
        <source>Линейное увеличение:</source>
        <translation>Magnification:</translation>
    </message>
    <message>
        <source>Линейное увеличение Г</source>
        <translation>Magnification Г</translation>
    </message>
    <message>
        <source>Г=</source>
        <translation>Г=</translation>
    </message>
    <message>
        <source>formula</source>
        <translation>formula</translation>
    </message>
    <message>
        <source>h2</source>
        <translation>h2</translation>
    </message>
    <message>
        <source>h1</source>
        <translation>h1</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>Высота h2:</source>
        <translation>Height h2:</translation>
    </message>
    <message>
        <source>Высота изображения h2</source>
        <translation>Image height h2</translation>
    </message>
    <message>
        <source>ОБНОВЛЕНИЕ</source>
        <translation>REFRESH</translation>
    </message>
    <message>
        <source>ПО УМОЛЧАНИЮ</source>
        <translation>DEFAULTS</translation>
    </message>
</context>
<context>
    <name>ModelCatalogue</name>
    <message>
        <source>ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ИСТОЧНИКА СВЕТА</source>
        <translation>SHADOW AND PENUMBRA OF ONE LIGHT SOURCE</translation>
    </message>
    <message>
        <source>Модель демонстрирует образование тени и полутени от одного источника света, доказывая закон прямолинейного распространения света</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ДВУХ ИСТОЧНИКОВ СВЕТА</source>
        <translation>SHADOW AND PENUMBRA OF TWO LIGHT SOURCES</translation>
    </message>
    <message>
        <source>Модель демонстрирует образование тени и полутени от двух источников света. Как и первая модель доказывает закон прямолинейного распространения света, а также независимость световых пучков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКОН ОТРАЖЕНИЯ</source>
        <translation>LAW OF REFLECTION</translation>
    </message>
    <message>
        <source>Модель демонстрирует доказательства закона отражения от плоского зеркала. Для более качественного понимания этого закона в модели предусмотрено изменение угла зеркала.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПЛОСКОЕ ЗЕРКАЛО</source>
        <translation>PLANE MIRROR</translation>
    </message>
    <message>
        <source>Модель демонстрирует получение изображения с помощью плоского зеркала, что в свою очередь доказывает закон отражения. В модели можно выбрать в качестве предмета как точку, так и стрелку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКОН ПРЕЛОМЛЕНИЯ</source>
        <translation>LAW OF REFRACTION</translation>
    </message>
    <message>
        <source>Модель демонстрирует один из фундаментальных законов геометрической оптики, а именно закон преломления. Модель считает не только угол преломления луча, но и показывает значение предельного угла, при котором появляется полное внутреннее отражение. Кроме этого в модель входит дополнительная информация, включающая в себя сведения о скорости света в средах относительно вакуума.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПРЕЛОМЛЕНИЕ СВЕТА В ПЛОСКОПАРАЛЛЕЛЬНОЙ ПЛАСТИНКЕ</source>
        <translation>REFRACTION IN A PARALLEL-SIDED PLATE</translation>
    </message>
    <message>
        <source>Модель демонстрирует ход лучей сквозь плоскопараллельную пластинку определенной толщины. Модель позволяет также находить смещение луча в зависимости от угла падения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПРЕЛОМЛЕНИЕ СВЕТА В ТРЕУГОЛЬНОЙ ПРИЗМЕ</source>
        <translation>REFRACTION IN A TRIANGULAR PRISM</translation>
    </message>
    <message>
        <source>Модель демонстрирует ход лучей сквозь треугольную призму. Модель позволяет менять угол призмы и угол луча, а также проследить, при каких условиях возникает в призме явление полного внутреннего отражения.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЛИНЗА КАК ОПТИЧЕСКИЙ ПРИБОР</source>
        <translation>THE LENS AS AN OPTICAL INSTRUMENT</translation>
    </message>
    <message>
        <source>Модель демонстрирует ход лучей в линзе, а кроме этого — построение изображения. Данная модель представлена как схема реального явления. Кроме этого данную модель можно применять и как виртуальную лабораторную установку при заданных параметрах.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OneSourceShadowSheet</name>
    <message>
        <source>ИСТОЧНИК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>точечный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>протяженный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размер источника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>ПРЕПЯТСТВИЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>убрать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>показать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размер препятствия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение препятствия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала положения препятствия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭКРАН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение экрана</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала положения экрана</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дополнительный экран</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Расстояние от 
экрана до 
препятствия:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние от экрана до препятствия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала расстояния от экрана до препятствия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОБНОВЛЕНИЕ</source>
        <translation>REFRESH</translation>
    </message>
    <message>
        <source>ПО УМОЛЧАНИЮ</source>
        <translation>DEFAULTS</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Рисунок PNG, вдвое крупнее, для печати (*.png)</source>
        <translation>PNG picture, twice the size, for print (*.png)</translation>
    </message>
    <message>
        <source>Рисунок PNG, втрое крупнее, для печати (*.png)</source>
        <translation>PNG picture, three times the size, for print (*.png)</translation>
    </message>
    <message>
        <source>Векторный рисунок SVG (*.svg)</source>
        <translation>SVG vector picture (*.svg)</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Full screen</translation>
    </message>
</context>
<context>
    <name>PlaneMirrorSheet</name>
    <message>
        <source>ПРЕДМЕТ</source>
        <translation>OBJECT</translation>
    </message>
    <message>
        <source>светящаяся точка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>стрелка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высота:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высота предмета</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Положение
по Х:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение предмета по X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала положения по X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение
по Y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение предмета по Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала положения по Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Расстояние между
предметом
и изображением:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние между предметом и изображением</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала расстояния между предметом и изображением</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дополнительные лучи для построения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>убрать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>один</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>два</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Линейка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОБНОВЛЕНИЕ</source>
        <translation>REFRESH</translation>
    </message>
    <message>
        <source>ПО УМОЛЧАНИЮ</source>
        <translation>DEFAULTS</translation>
    </message>
</context>
<context>
    <name>PlateSheet</name>
    <message>
        <source>ЛУЧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол падающего луча A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На транспортире:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Падающий луч на транспортире</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПОКАЗАТЕЛЬ ПРЕЛОМЛЕНИЯ ПЛАСТИНКИ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subscript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления воздуха n1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,00029</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления воздуха n1, округлённо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления пластинки n2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Шкала показателя преломления пластинки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОБНОВЛЕНИЕ</source>
        <translation>REFRESH</translation>
    </message>
    <message>
        <source>ПО УМОЛЧАНИЮ</source>
        <translation>DEFAULTS</translation>
    </message>
    <message>
        <source>ТАБЛИЦА ПРЕЛОМЛЕНИЯ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПЛАСТИНКА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина пластинки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина пластинки в сантиметрах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Толщина пластинки в миллиметрах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ММ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Смещение
выходящего луча
относительно входящего:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение выходящего луча относительно входящего</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,566</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол выходящего луча A″</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выходящий луч на транспортире</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол B:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол преломления B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На
транспортире:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Преломлённый луч на транспортире</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrismSheet</name>
    <message>
        <source>ВХОДЯЩИЙ ЛУЧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол входящего луча</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол луча:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПРИЗМА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол призмы F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол F:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПОКАЗАТЕЛЬ ПРЕЛОМЛЕНИЯ ПРИЗМЫ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subscript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления воздуха n1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,00029</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tilde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления воздуха n1, округлённо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления призмы n2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала показателя преломления призмы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Угол отклонения луча:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол отклонения луча</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полное внутреннее отражение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Луч не попадает в призму</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОБНОВЛЕНИЕ</source>
        <translation>REFRESH</translation>
    </message>
    <message>
        <source>ПО УМОЛЧАНИЮ</source>
        <translation>DEFAULTS</translation>
    </message>
    <message>
        <source>ТАБЛИЦА ПРЕЛОМЛЕНИЯ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PupilDialog</name>
    <message>
        <source>Кто проходит тест?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя и класс попадут в журнал результатов; их можно не указывать.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя и фамилия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Класс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>например, 8 Б</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Имя и фамилия:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Класс:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReflectionSheet</name>
    <message>
        <source>ЛУЧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол падающего луча A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На транспортире:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Падающий луч на транспортире</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗЕРКАЛО</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол зеркала F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол F:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зеркало на транспортире</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Угол B:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол отражённого луча B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отражённый луч на транспортире</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол падения:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол падения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол отражения:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол отражения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Углы A и B отсчитываются от вертикали транспортира, углы падения и отражения — от перпендикуляра к зеркалу (серая линия); их отмечают дуги на рисунке.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОБНОВЛЕНИЕ</source>
        <translation>REFRESH</translation>
    </message>
    <message>
        <source>ПО УМОЛЧАНИЮ</source>
        <translation>DEFAULTS</translation>
    </message>
</context>
<context>
    <name>RefractionSheet</name>
    <message>
        <source>ЛУЧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол падающего луча A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На транспортире:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Падающий луч на транспортире</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПОКАЗАТЕЛИ ПРЕЛОМЛЕНИЯ СРЕД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subscript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления среды 1, n1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала показателя преломления n1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления среды 2, n2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала показателя преломления n2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Угол Y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол отражённого луча Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отражённый луч на транспортире</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол B:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол преломления B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Преломлённый луч на транспортире</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол Ao:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предельный угол Ao</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предельный угол на транспортире</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительный
показатель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительный показатель преломления n2/n1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полное внутреннее отражение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дополнительная информация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОБНОВЛЕНИЕ</source>
        <translation>REFRESH</translation>
    </message>
    <message>
        <source>ПО УМОЛЧАНИЮ</source>
        <translation>DEFAULTS</translation>
    </message>
    <message>
        <source>ТАБЛИЦА ПРЕЛОМЛЕНИЯ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> м/с</source>
        <translation> m/s</translation>
    </message>
</context>
<context>
    <name>ShadowScreenWindow</name>
    <message>
        <source>Дополнительный экран</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetPicture</name>
    <message>
        <source>Не удалось записать рисунок в файл &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashPicture</name>
    <message>
        <source>ГЕОМЕТРИЧЕСКАЯ ОПТИКА</source>
        <translation>GEOMETRIC OPTICS</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>**ОБУЧАЮЩАЯ ПРОГРАММА ПО ФИЗИКЕ: ИНТЕРАКТИВНЫЕ МОДЕЛИ**</source>
        <translation>**PHYSICS TEACHING PROGRAM: INTERACTIVE MODELS**</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Время:  </source>
        <translation>Time:  </translation>
    </message>
    <message>
        <source>Дата:  </source>
        <translation>Date:  </translation>
    </message>
    <message>
        <source>Подсказка экрана:  </source>
        <translation>Screen hint:  </translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>**КОМПЬЮТЕРНАЯ ПРОГРАММА ПО ФИЗИКЕ: ИНТЕРАКТИВНЫЕ МОДЕЛИ**</source>
        <translation>**PHYSICS COMPUTER PROGRAM: INTERACTIVE MODELS**</translation>
    </message>
    <message>
        <source>Скрыть модель</source>
        <translation>Hide the model</translation>
    </message>
    <message>
        <source>&amp;МОДЕЛИ</source>
        <translation>&amp;MODELS</translation>
    </message>
    <message>
        <source>Выбор модели</source>
        <translation>Choose a model</translation>
    </message>
    <message>
        <source>&amp;СЛОВАРЬ 
ТЕРМИНОВ</source>
        <translation>&amp;GLOSSARY</translation>
    </message>
    <message>
        <source>Словарь основных терминов</source>
        <translation>Glossary of the main terms</translation>
    </message>
    <message>
        <source>&amp;КРАТКИЙ СПРАВОЧНИК</source>
        <translation>&amp;REFERENCE</translation>
    </message>
    <message>
        <source>Краткий справочник</source>
        <translation>Short reference</translation>
    </message>
    <message>
        <source>&amp;ОСНОВНЫЕ 
ФОРМУЛЫ</source>
        <translation>&amp;FORMULAS</translation>
    </message>
    <message>
        <source>Основные формулы</source>
        <translation>Main formulas</translation>
    </message>
    <message>
        <source>ОТВЕЧАЕМ НА &amp;ВОПРОСЫ</source>
        <translation>&amp;QUESTIONS</translation>
    </message>
    <message>
        <source>Теоретические вопросы</source>
        <translation>Theory questions</translation>
    </message>
    <message>
        <source>&amp;РЕШАЕМ 
ЗАДАЧИ</source>
        <translation>&amp;PROBLEMS</translation>
    </message>
    <message>
        <source>Практические задачи</source>
        <translation>Practice problems</translation>
    </message>
    <message>
        <source>КОНТРОЛЬ 
&amp;ЗНАНИЙ</source>
        <translation>&amp;TEST</translation>
    </message>
    <message>
        <source>Контроль знаний по теме</source>
        <translation>Test your knowledge of the topic</translation>
    </message>
    <message>
        <source>&amp;ПОМОЩЬ</source>
        <translation>&amp;HELP</translation>
    </message>
    <message>
        <source>Помощь по управлению</source>
        <translation>Help on the controls</translation>
    </message>
    <message>
        <source>ВЫ&amp;ХОД</source>
        <translation>E&amp;XIT</translation>
    </message>
    <message>
        <source>Выйти из программы</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>ЧТОБЫ НАЧАТЬ РАБОТУ, ВЫБЕРИТЕ МОДЕЛЬ!</source>
        <translation>TO BEGIN, CHOOSE A MODEL!</translation>
    </message>
    <message>
        <source>Часы</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Модель</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ МОДЕЛИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>INTERACTIVE MODELS OF GEOMETRIC OPTICS</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Автор программы</source>
        <translation>About the author</translation>
    </message>
    <message>
        <source>Версия программы: %1</source>
        <translation>Program version: %1</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Оптика</source>
        <translation>Optics</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>Основные формулы</source>
        <translation>Main formulas</translation>
    </message>
    <message>
        <source>ОСНОВНЫЕ ФОРМУЛЫ ГЕОМЕТРИЧЕСКОЙ ОПТИКИ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКОН ОТРАЖЕНИЯ</source>
        <translation>LAW OF REFLECTION</translation>
    </message>
    <message>
        <source>formulaCaption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>formula</source>
        <translation>formula</translation>
    </message>
    <message>
        <source>ЗАКОН ПРЕЛОМЛЕНИЯ</source>
        <translation>LAW OF REFRACTION</translation>
    </message>
    <message>
        <source>АБСОЛЮТНЫЙ ПОКАЗАТЕЛЬ
ПРЕЛОМЛЕНИЯ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПОЛНОЕ ВНУТРЕННЕЕ ОТРАЖЕНИЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ФОРМУЛА ТОНКОЙ ЛИНЗЫ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОПТИЧЕСКАЯ СИЛА ЛИНЗЫ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЛИНЕЙНОЕ УВЕЛИЧЕНИЕ ЛИНЗЫ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ МОДЕЛИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>INTERACTIVE MODELS OF GEOMETRIC OPTICS</translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>Помощь при работе с компьютерными моделями</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>УПРАВЛЕНИЕ КОМПЬЮТЕРНЫМИ МОДЕЛЯМИ ОСУЩЕСТВЛЯЕТСЯ С ПОМОЩЬЮ ЭЛЕМЕНТОВ УПРАВЛЕНИЯ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КНОПКИ УПРАВЛЕНИЯ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОБНОВЛЕНИЕ</source>
        <translation>REFRESH</translation>
    </message>
    <message>
        <source>КНОПКА ОБНОВЛЕНИЯ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если рисунок модели пропал (например, его закрыло другое окно), нажмите эту кнопку: модель будет нарисована заново при тех же положениях ползунков.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПО УМОЛЧАНИЮ</source>
        <translation>DEFAULTS</translation>
    </message>
    <message>
        <source>КНОПКА &quot;ПО УМОЛЧАНИЮ&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Возвращает все ползунки и полосы прокрутки модели к стандартным значениям, с которыми модель открывается в первый раз.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТАБЛИЦА ПРЕЛОМЛЕНИЯ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КНОПКА &quot;ТАБЛИЦА ПРЕЛОМЛЕНИЯ&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Есть только на моделях, где свет преломляется (закон преломления, пластинка, призма). Открывает таблицу показателей преломления различных сред.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>НАВИГАЦИЯ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>светящаяся точка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>стрелка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переключатели позволяют выбрать один из двух вариантов: например, что служит предметом, светящаяся точка или стрелка. Включённым может быть только один переключатель группы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высота:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ползунок задаёт размер объекта: передвигайте его мышью или стрелками клавиатуры. Значение в сантиметрах показывает индикатор рядом с надписью.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение
по Х:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение по X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала положения по X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полоса прокрутки задаёт положение объекта: тяните её движок или нажимайте на стрелки по краям. Расстояние в сантиметрах показывают индикатор и шкала.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В каждой модели элементы управления собраны в блоки, и каждый блок назван по объекту, которым он управляет: «ИСТОЧНИК», «ПРЕПЯТСТВИЕ», «ЭКРАН», «ЛУЧ», «ЗЕРКАЛО», «ЛИНЗА», «ПРЕДМЕТ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КЛАВИАТУРА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;1&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab, Shift+Tab&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;следующий, предыдущий элемент&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Стрелки&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;шаг шкалы; выбор переключателя&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Page Up, Page Down&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;десять шагов шкалы&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Home, End&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;начало, конец шкалы&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Пробел, Enter&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;нажать кнопку, отметить флажок&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+S&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;сохранить рисунок модели (PNG, SVG)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;копировать рисунок и показания&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;1&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1 … Ctrl+8&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;модели в порядке окна выбора&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0, F2&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;окно выбора модели&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;эта помощь&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Esc&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;закрыть окно&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+буква&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;кнопка с подчёркнутой буквой&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;печать рисунка и показаний&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;рисунок во весь экран&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АВТОР РАЗРАБОТКИ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВЫБОР СКИНА ПРОГРАММЫ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ МОДЕЛИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>INTERACTIVE MODELS OF GEOMETRIC OPTICS</translation>
    </message>
</context>
<context>
    <name>TForm12</name>
    <message>
        <source>Дополнительная информация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СКОРОСТЬ СВЕТА В СРЕДЕ n1 ОТНОСИТЕЛЬНО СКОРОСТИ СВЕТА В ВАКУУМЕ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость света в среде 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СКОРОСТЬ СВЕТА В СРЕДЕ n2 ОТНОСИТЕЛЬНО СКОРОСТИ СВЕТА В ВАКУУМЕ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость света в среде 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение скорости света взято равное 299.792.458 м/с</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm13</name>
    <message>
        <source>График зависимости угла преломления от угла падения</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm14</name>
    <message>
        <source>Проверка знаний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВЫБЕРИТЕ КАРТОЧКУ С ЗАДАНИЕМ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В заданиях необходимо дописать фразу или ответить на вопрос</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КАРТОЧКА № 1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КАРТОЧКА № 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КАРТОЧКА № 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КАРТОЧКА № 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текст карточки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ДОПОЛНИТЕЛЬНАЯ КАРТОЧКА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КОНТРОЛЬНЫЙ ТЕСТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>РЕДАКТОР ТЕСТА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЖУРНАЛ РЕЗУЛЬТАТОВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ МОДЕЛИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>INTERACTIVE MODELS OF GEOMETRIC OPTICS</translation>
    </message>
</context>
<context>
    <name>TForm15</name>
    <message>
        <source>Form15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Законы распространения света </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на основе представлений о световых лучах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОСНОВНЫЕ ЗАКОНЫ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm16</name>
    <message>
        <source>Оптика: интерактивные модели</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:76%; margin:0&quot;&gt;Оптика:&lt;br&gt;интерактивные модели&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>**КОМПЬЮТЕРНАЯ ПРОГРАММА ПО ФИЗИКЕ: ИНТЕРАКТИВНЫЕ МОДЕЛИ**</source>
        <translation>**PHYSICS COMPUTER PROGRAM: INTERACTIVE MODELS**</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Компьютерные модели делают урок физики наглядным. То, что трудно показать на доске, а на столе долго собирать, ученик видит на экране: лучи, углы, тени и изображения меняются сразу, как только он передвигает ползунок. Из зрителя ученик становится участником опыта: сам задаёт его условия, наблюдает, что получается, проверяет решение задачи и делает выводы. Так законы геометрической оптики не заучиваются, а открываются заново.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идея и автор разработки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>разработчики программы «Оптика»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Учебная программа по школьному курсу физики,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>раздел «Геометрическая оптика»: восемь интерактивных моделей,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>словарь, справочник, формулы, вопросы, задачи и контрольный тест</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Для учеников и учителей физики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободная программа (GNU GPL 3 или новее), без каких-либо гарантий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратная связь с автором:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Трекер задач проекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>трекер задач проекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Репозиторий проекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>репозиторий проекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Просьба о недочетах и недостатках данного приложения написать автору! </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm17</name>
    <message>
        <source>КОНТРОЛЬНЫЙ ТЕСТ: ПРОВЕРКА УРОВНЯ ЗНАНИЙ</source>
        <translation>TEST: CHECK YOUR KNOWLEDGE</translation>
    </message>
    <message>
        <source>НАЧАТЬ ТЕСТ</source>
        <translation>START THE TEST</translation>
    </message>
    <message>
        <source>Открыть тест…</source>
        <translation>Open a test…</translation>
    </message>
    <message>
        <source>Редактор теста</source>
        <translation>Test editor</translation>
    </message>
    <message>
        <source>Изменить этот тест или написать новый</source>
        <translation>Change this test or write a new one</translation>
    </message>
    <message>
        <source>КРИТЕРИИ ОЦЕНИВАНИЯ</source>
        <translation>GRADING</translation>
    </message>
    <message>
        <source>ВОПРОС:</source>
        <translation>QUESTION:</translation>
    </message>
    <message>
        <source>ВАРИАНТЫ
ОТВЕТОВ:</source>
        <translation>ANSWERS:</translation>
    </message>
    <message>
        <source>Вопрос и варианты ответа</source>
        <translation>Question and answers</translation>
    </message>
    <message>
        <source>ВСЕГО ВОПРОСОВ:</source>
        <translation>QUESTIONS:</translation>
    </message>
    <message>
        <source>Всего вопросов</source>
        <translation>Number of questions</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>МАКСИМАЛЬНОЕ</source>
        <translation>MAXIMUM</translation>
    </message>
    <message>
        <source>КОЛИЧЕСТВО</source>
        <translation>NUMBER OF</translation>
    </message>
    <message>
        <source>БАЛЛОВ:</source>
        <translation>POINTS:</translation>
    </message>
    <message>
        <source>Максимальное количество баллов</source>
        <translation>Maximum number of points</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Часы</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Тест без названия</source>
        <translation>Untitled test</translation>
    </message>
    <message>
        <source>Открыть тест</source>
        <translation>Open a test</translation>
    </message>
    <message>
        <source>Тесты (*.ini)</source>
        <translation>Tests (*.ini)</translation>
    </message>
    <message>
        <source>Файл: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Вопрос %1 из %2</source>
        <translation>Question %1 of %2</translation>
    </message>
    <message>
        <source>ВЫ ЗАКОНЧИЛИ ТЕСТ<byte value="xd"/>Всего вопросов теста = %1<byte value="xd"/>Количество набранных баллов =%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вопрос отсутствует</source>
        <translation>No question</translation>
    </message>
    <message>
        <source>В файле с вопросами у вопроса №%1 указано вариантов ответа: %2, а их может быть не больше %3</source>
        <translation>In the test file, question %1 has %2 answers, but it may have no more than %3</translation>
    </message>
    <message>
        <source>В файле с вопросами ненаписан правильный вариант</source>
        <translation>The test file does not give the right answer</translation>
    </message>
</context>
<context>
    <name>TForm18</name>
    <message>
        <source>Выбор скина программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Для лучшего восприятия при работе с моделями,
вы можете выбрать одно из нескольких оформлений программы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущий скин:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
</context>
<context>
    <name>TForm19</name>
    <message>
        <source>КРИТЕРИИ ОЦЕНИВАНИЯ</source>
        <translation>GRADING</translation>
    </message>
    <message>
        <source>ОТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ДО</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОЦЕНКА &quot;2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка «2» от, баллов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Оценка «2» до, баллов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>35</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОЦЕНКА &quot;3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка «3» от, баллов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>36</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка «3» до, баллов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>55</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОЦЕНКА &quot;4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка «4» от, баллов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка «4» до, баллов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>75</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОЦЕНКА &quot;5&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка «5» от, баллов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>76</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка «5» до, баллов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Таблица коэффициентов преломления различных сред</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВОЗДУХ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: воздух</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,00029</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: воздух, округлённо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВОДА (при 20 °С)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: вода при 20 °С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,333</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: вода, округлённо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=1,33</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭТИЛОВЫЙ СПИРТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: этиловый спирт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,36</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПЛАВЛЕНЫЙ КВАРЦ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: плавленый кварц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,46</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СТЕКЛО КРОН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: стекло крон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,51</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КЕДРОВОЕ МАСЛО (при 20 °С)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: кедровое масло при 20 °С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,52</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КАМЕННАЯ СОЛЬ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: каменная соль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,54</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>РУБИН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: рубин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,76</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АЛМАЗ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления: алмаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2,42</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Бегущая строка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значения показателей преломления для некоторых веществ относительно воздуха приведенные в таблице относятся к желтому свету</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Выбор компьютерной модели</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ КОМПЬЮТЕРНЫЕ МОДЕЛИ 
         ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ИСТОЧНИКА СВЕТА</source>
        <translation>SHADOW AND PENUMBRA OF ONE LIGHT SOURCE</translation>
    </message>
    <message>
        <source>ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ДВУХ ИСТОЧНИКОВ СВЕТА</source>
        <translation>SHADOW AND PENUMBRA OF TWO LIGHT SOURCES</translation>
    </message>
    <message>
        <source>ЗАКОН ОТРАЖЕНИЯ</source>
        <translation>LAW OF REFLECTION</translation>
    </message>
    <message>
        <source>ПЛОСКОЕ ЗЕРКАЛО</source>
        <translation>PLANE MIRROR</translation>
    </message>
    <message>
        <source>ЗАКОН ПРЕЛОМЛЕНИЯ</source>
        <translation>LAW OF REFRACTION</translation>
    </message>
    <message>
        <source>ПРЕЛОМЛЕНИЕ СВЕТА В ПЛОСКОПАРАЛЛЕЛЬНОЙ ПЛАСТИНКЕ</source>
        <translation>REFRACTION IN A PARALLEL-SIDED PLATE</translation>
    </message>
    <message>
        <source>ПРЕЛОМЛЕНИЕ СВЕТА В ТРЕУГОЛЬНОЙ 
ПРИЗМЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЛИНЗА КАК ОПТИЧЕСКИЙ ПРИБОР</source>
        <translation>THE LENS AS AN OPTICAL INSTRUMENT</translation>
    </message>
    <message>
        <source>ОПИСАНИЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ МОДЕЛИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>INTERACTIVE MODELS OF GEOMETRIC OPTICS</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Словарь терминов</source>
        <translation>Glossary</translation>
    </message>
    <message>
        <source>СЛОВАРЬ ОСНОВНЫХ ТЕРМИНОВ</source>
        <translation>GLOSSARY OF THE MAIN TERMS</translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ МОДЕЛИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>INTERACTIVE MODELS OF GEOMETRIC OPTICS</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Краткий справочник</source>
        <translation>Short reference</translation>
    </message>
    <message>
        <source>КРАТКИЙ СПРАВОЧНИК ПО КУРСУ &quot;ГЕОМЕТРИЧЕСКАЯ ОПТИКА&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данный справочник можно использовать как опорный конспект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ МОДЕЛИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>INTERACTIVE MODELS OF GEOMETRIC OPTICS</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Решаем задачи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАДАЧИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КАЛЬКУЛЯТОР</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текст задачи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Все задачи, которые вы решили, необходимо проверить с помощью компьютерных моделей!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ МОДЕЛИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>INTERACTIVE MODELS OF GEOMETRIC OPTICS</translation>
    </message>
</context>
<context>
    <name>TForm9</name>
    <message>
        <source>Отвечаем на вопросы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТЕОРЕТИЧЕСКИЕ ВОПРОСЫ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вопросы и ответы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ МОДЕЛИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>INTERACTIVE MODELS OF GEOMETRIC OPTICS</translation>
    </message>
</context>
<context>
    <name>TwoSourceShadowSheet</name>
    <message>
        <source>ИСТОЧНИК S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вид источника: точечный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поворот источника S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поворот:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник S1 повёрнут вниз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник S1 повёрнут вверх</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение источника S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Шкала положения источника S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ИСТОЧНИК S2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поворот источника S2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник S2 повёрнут вниз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник S2 повёрнут вверх</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение источника S2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала положения источника S2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭКРАН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение экрана</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шкала положения экрана</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дополнительный экран</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПРЕПЯТСТВИЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размер препятствия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОБНОВЛЕНИЕ</source>
        <translation>REFRESH</translation>
    </message>
    <message>
        <source>ПО УМОЛЧАНИЮ</source>
        <translation>DEFAULTS</translation>
    </message>
</context>
</TS>
