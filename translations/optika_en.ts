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
    <name>Grading</name>
    <message numerus="yes">
        <source>%n балл(ов)</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 из %2: оценка %3</source>
        <translation>%1 out of %2: mark %3</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <source>Не прочитаны, пропущены (не результаты или повреждены):</source>
        <translation>Not read, skipped (not results, or damaged):</translation>
    </message>
    <message>
        <source>Журнал результатов</source>
        <translation>Results journal</translation>
    </message>
    <message>
        <source>&amp;Класс:</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <source>&amp;Тест:</source>
        <translation>&amp;Test:</translation>
    </message>
    <message>
        <source>&amp;Ученик:</source>
        <translation>&amp;Pupil:</translation>
    </message>
    <message>
        <source>часть имени</source>
        <translation>part of the name</translation>
    </message>
    <message>
        <source>&amp;С:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>&amp;по:</source>
        <translation>&amp;to:</translation>
    </message>
    <message>
        <source>С даты</source>
        <translation>From date</translation>
    </message>
    <message>
        <source>По дату</source>
        <translation>To date</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>По &amp;вопросам: сколько ответили верно</source>
        <translation>By &amp;question: how many answered right</translation>
    </message>
    <message>
        <source>По вопросам</source>
        <translation>By question</translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Вопрос</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Верно</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Ответили</source>
        <translation>Answered</translation>
    </message>
    <message>
        <source>Верно, %</source>
        <translation>Right, %</translation>
    </message>
    <message>
        <source>Непрочитанные файлы</source>
        <translation>Unread files</translation>
    </message>
    <message>
        <source>Папка журнала…</source>
        <translation>Journal folder…</translation>
    </message>
    <message>
        <source>Выбрать папку, куда программа пишет результаты, например общую сетевую папку класса</source>
        <translation>Choose the folder the program writes the results to, for example the class&apos;s shared network folder</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Экспорт…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Записать показанные результаты в таблицу CSV для LibreOffice Calc или Excel</source>
        <translation>Write the results shown to a CSV table for LibreOffice Calc or Excel</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Папка журнала: </source>
        <translation>Journal folder: </translation>
    </message>
    <message>
        <source>Все классы</source>
        <translation>All classes</translation>
    </message>
    <message>
        <source>Все тесты</source>
        <translation>All tests</translation>
    </message>
    <message>
        <source>(не указан)</source>
        <translation>(not given)</translation>
    </message>
    <message>
        <source>Показано результатов: %1 из %2</source>
        <translation>Results shown: %1 of %2</translation>
    </message>
    <message>
        <source>Папка журнала результатов</source>
        <translation>Results journal folder</translation>
    </message>
    <message>
        <source>Журнал не удалось записать в файл «%1»: %2</source>
        <translation>Could not write the journal to the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Экспорт журнала</source>
        <translation>Export the journal</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Русский</source>
        <translation>English</translation>
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
        <translation>Magnification M</translation>
    </message>
    <message>
        <source>Г=</source>
        <translation>M=</translation>
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
        <translation>The model shows the shadow and penumbra cast from one light source, proving that light travels in straight lines</translation>
    </message>
    <message>
        <source>ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ДВУХ ИСТОЧНИКОВ СВЕТА</source>
        <translation>SHADOW AND PENUMBRA OF TWO LIGHT SOURCES</translation>
    </message>
    <message>
        <source>Модель демонстрирует образование тени и полутени от двух источников света. Как и первая модель доказывает закон прямолинейного распространения света, а также независимость световых пучков</source>
        <translation>The model shows the shadow and penumbra cast from two light sources. Like the first model it proves that light travels in straight lines, and also that light beams are independent</translation>
    </message>
    <message>
        <source>ЗАКОН ОТРАЖЕНИЯ</source>
        <translation>LAW OF REFLECTION</translation>
    </message>
    <message>
        <source>Модель демонстрирует доказательства закона отражения от плоского зеркала. Для более качественного понимания этого закона в модели предусмотрено изменение угла зеркала.</source>
        <translation>The model demonstrates the law of reflection from a plane mirror. To understand the law better, the angle of the mirror can be changed.</translation>
    </message>
    <message>
        <source>ПЛОСКОЕ ЗЕРКАЛО</source>
        <translation>PLANE MIRROR</translation>
    </message>
    <message>
        <source>Модель демонстрирует получение изображения с помощью плоского зеркала, что в свою очередь доказывает закон отражения. В модели можно выбрать в качестве предмета как точку, так и стрелку</source>
        <translation>The model shows how a plane mirror forms an image, which in turn proves the law of reflection. The object can be a point or an arrow</translation>
    </message>
    <message>
        <source>ЗАКОН ПРЕЛОМЛЕНИЯ</source>
        <translation>LAW OF REFRACTION</translation>
    </message>
    <message>
        <source>Модель демонстрирует один из фундаментальных законов геометрической оптики, а именно закон преломления. Модель считает не только угол преломления луча, но и показывает значение предельного угла, при котором появляется полное внутреннее отражение. Кроме этого в модель входит дополнительная информация, включающая в себя сведения о скорости света в средах относительно вакуума.</source>
        <translation>The model demonstrates one of the fundamental laws of geometric optics, the law of refraction. It computes the angle of refraction and also shows the critical angle at which total internal reflection appears. It also gives the speed of light in the media relative to a vacuum.</translation>
    </message>
    <message>
        <source>ПРЕЛОМЛЕНИЕ СВЕТА В ПЛОСКОПАРАЛЛЕЛЬНОЙ ПЛАСТИНКЕ</source>
        <translation>REFRACTION IN A PARALLEL-SIDED PLATE</translation>
    </message>
    <message>
        <source>Модель демонстрирует ход лучей сквозь плоскопараллельную пластинку определенной толщины. Модель позволяет также находить смещение луча в зависимости от угла падения</source>
        <translation>The model shows the path of rays through a parallel-sided plate of a given thickness. It also finds the shift of the ray for each angle of incidence</translation>
    </message>
    <message>
        <source>ПРЕЛОМЛЕНИЕ СВЕТА В ТРЕУГОЛЬНОЙ ПРИЗМЕ</source>
        <translation>REFRACTION IN A TRIANGULAR PRISM</translation>
    </message>
    <message>
        <source>Модель демонстрирует ход лучей сквозь треугольную призму. Модель позволяет менять угол призмы и угол луча, а также проследить, при каких условиях возникает в призме явление полного внутреннего отражения.</source>
        <translation>The model shows the path of rays through a triangular prism. The angle of the prism and of the ray can be changed, and you can see when total internal reflection occurs in the prism.</translation>
    </message>
    <message>
        <source>ЛИНЗА КАК ОПТИЧЕСКИЙ ПРИБОР</source>
        <translation>THE LENS AS AN OPTICAL INSTRUMENT</translation>
    </message>
    <message>
        <source>Модель демонстрирует ход лучей в линзе, а кроме этого — построение изображения. Данная модель представлена как схема реального явления. Кроме этого данную модель можно применять и как виртуальную лабораторную установку при заданных параметрах.</source>
        <translation>The model shows the path of rays through a lens and the construction of the image. It is a diagram of the real phenomenon, and it can also serve as a virtual laboratory set-up with given parameters.</translation>
    </message>
</context>
<context>
    <name>OneSourceShadowSheet</name>
    <message>
        <source>ИСТОЧНИК</source>
        <translation>SOURCE</translation>
    </message>
    <message>
        <source>точечный</source>
        <translation>point</translation>
    </message>
    <message>
        <source>протяженный</source>
        <translation>extended</translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Размер источника</source>
        <translation>Source size</translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>ПРЕПЯТСТВИЕ</source>
        <translation>OBSTACLE</translation>
    </message>
    <message>
        <source>убрать</source>
        <translation>hide</translation>
    </message>
    <message>
        <source>показать</source>
        <translation>show</translation>
    </message>
    <message>
        <source>Размер препятствия</source>
        <translation>Obstacle size</translation>
    </message>
    <message>
        <source>Положение:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Положение препятствия</source>
        <translation>Obstacle position</translation>
    </message>
    <message>
        <source>Шкала положения препятствия</source>
        <translation>Obstacle position scale</translation>
    </message>
    <message>
        <source>ЭКРАН</source>
        <translation>SCREEN</translation>
    </message>
    <message>
        <source>Положение экрана</source>
        <translation>Screen position</translation>
    </message>
    <message>
        <source>Шкала положения экрана</source>
        <translation>Screen position scale</translation>
    </message>
    <message>
        <source>Дополнительный экран</source>
        <translation>Extra screen</translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Расстояние от 
экрана до 
препятствия:</source>
        <translation>Screen to
obstacle:</translation>
    </message>
    <message>
        <source>Расстояние от экрана до препятствия</source>
        <translation>Distance from the screen to the obstacle</translation>
    </message>
    <message>
        <source>Шкала расстояния от экрана до препятствия</source>
        <translation>Screen-to-obstacle distance scale</translation>
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
        <translation>luminous point</translation>
    </message>
    <message>
        <source>стрелка</source>
        <translation>arrow</translation>
    </message>
    <message>
        <source>Высота:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Высота предмета</source>
        <translation>Object height</translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Положение
по Х:</source>
        <translation>Position
in X:</translation>
    </message>
    <message>
        <source>Положение предмета по X</source>
        <translation>Object position in X</translation>
    </message>
    <message>
        <source>Шкала положения по X</source>
        <translation>X position scale</translation>
    </message>
    <message>
        <source>Положение
по Y:</source>
        <translation>Position
in Y:</translation>
    </message>
    <message>
        <source>Положение предмета по Y</source>
        <translation>Object position in Y</translation>
    </message>
    <message>
        <source>Шкала положения по Y</source>
        <translation>Y position scale</translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Расстояние между
предметом
и изображением:</source>
        <translation>Object
to image:</translation>
    </message>
    <message>
        <source>Расстояние между предметом и изображением</source>
        <translation>Distance between the object and the image</translation>
    </message>
    <message>
        <source>Шкала расстояния между предметом и изображением</source>
        <translation>Object-to-image distance scale</translation>
    </message>
    <message>
        <source>Дополнительные лучи для построения</source>
        <translation>Extra construction rays</translation>
    </message>
    <message>
        <source>убрать</source>
        <translation>hide</translation>
    </message>
    <message>
        <source>один</source>
        <translation>one</translation>
    </message>
    <message>
        <source>два</source>
        <translation>two</translation>
    </message>
    <message>
        <source>Линейка</source>
        <translation>Ruler</translation>
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
        <translation>RAY</translation>
    </message>
    <message>
        <source>Угол падающего луча A</source>
        <translation>Angle of the incident ray A</translation>
    </message>
    <message>
        <source>Угол A:</source>
        <translation>Angle A:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>На транспортире:</source>
        <translation>On the protractor:</translation>
    </message>
    <message>
        <source>Падающий луч на транспортире</source>
        <translation>Incident ray on the protractor</translation>
    </message>
    <message>
        <source>ПОКАЗАТЕЛЬ ПРЕЛОМЛЕНИЯ ПЛАСТИНКИ</source>
        <translation>REFRACTIVE INDEX OF THE PLATE</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>symbol</source>
        <translation>symbol</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>subscript</source>
        <translation>subscript</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Показатель преломления воздуха n1</source>
        <translation>Refractive index of air n1</translation>
    </message>
    <message>
        <source>1,00029</source>
        <translation>1.00029</translation>
    </message>
    <message>
        <source>~</source>
        <translation>~</translation>
    </message>
    <message>
        <source>Показатель преломления воздуха n1, округлённо</source>
        <translation>Refractive index of air n1, rounded</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Показатель преломления пластинки n2</source>
        <translation>Refractive index of the plate n2</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Шкала показателя преломления пластинки</source>
        <translation>Plate refractive index scale</translation>
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
        <translation>INDEX TABLE</translation>
    </message>
    <message>
        <source>ПЛАСТИНКА</source>
        <translation>PLATE</translation>
    </message>
    <message>
        <source>Толщина пластинки</source>
        <translation>Plate thickness</translation>
    </message>
    <message>
        <source>Толщина:</source>
        <translation>Thickness:</translation>
    </message>
    <message>
        <source>Толщина пластинки в сантиметрах</source>
        <translation>Plate thickness in centimetres</translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Толщина пластинки в миллиметрах</source>
        <translation>Plate thickness in millimetres</translation>
    </message>
    <message>
        <source>ММ</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Смещение
выходящего луча
относительно входящего:</source>
        <translation>Shift of the
emerging ray:</translation>
    </message>
    <message>
        <source>Смещение выходящего луча относительно входящего</source>
        <translation>Shift of the emerging ray from the entering ray</translation>
    </message>
    <message>
        <source>0,566</source>
        <translation>0.566</translation>
    </message>
    <message>
        <source>Угол A</source>
        <translation>Angle A</translation>
    </message>
    <message>
        <source>&quot;</source>
        <translation>&quot;</translation>
    </message>
    <message>
        <source>Угол выходящего луча A″</source>
        <translation>Angle of the emerging ray A″</translation>
    </message>
    <message>
        <source>Выходящий луч на транспортире</source>
        <translation>Emerging ray on the protractor</translation>
    </message>
    <message>
        <source>Угол B:</source>
        <translation>Angle B:</translation>
    </message>
    <message>
        <source>Угол преломления B</source>
        <translation>Angle of refraction B</translation>
    </message>
    <message>
        <source>На
транспортире:</source>
        <translation>On the
protractor:</translation>
    </message>
    <message>
        <source>Преломлённый луч на транспортире</source>
        <translation>Refracted ray on the protractor</translation>
    </message>
</context>
<context>
    <name>PrismSheet</name>
    <message>
        <source>ВХОДЯЩИЙ ЛУЧ</source>
        <translation>ENTERING RAY</translation>
    </message>
    <message>
        <source>Угол входящего луча</source>
        <translation>Angle of the entering ray</translation>
    </message>
    <message>
        <source>Угол луча:</source>
        <translation>Ray angle:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>ПРИЗМА</source>
        <translation>PRISM</translation>
    </message>
    <message>
        <source>Угол призмы F</source>
        <translation>Prism angle F</translation>
    </message>
    <message>
        <source>Угол F:</source>
        <translation>Angle F:</translation>
    </message>
    <message>
        <source>ПОКАЗАТЕЛЬ ПРЕЛОМЛЕНИЯ ПРИЗМЫ</source>
        <translation>REFRACTIVE INDEX OF THE PRISM</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>symbol</source>
        <translation>symbol</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>subscript</source>
        <translation>subscript</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Показатель преломления воздуха n1</source>
        <translation>Refractive index of air n1</translation>
    </message>
    <message>
        <source>1,00029</source>
        <translation>1.00029</translation>
    </message>
    <message>
        <source>~</source>
        <translation>~</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>tilde</translation>
    </message>
    <message>
        <source>Показатель преломления воздуха n1, округлённо</source>
        <translation>Refractive index of air n1, rounded</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Показатель преломления призмы n2</source>
        <translation>Refractive index of the prism n2</translation>
    </message>
    <message>
        <source>Шкала показателя преломления призмы</source>
        <translation>Prism refractive index scale</translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Угол отклонения луча:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <source>Угол отклонения луча</source>
        <translation>Deviation of the ray</translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Полное внутреннее отражение</source>
        <translation>Total internal reflection</translation>
    </message>
    <message>
        <source>Луч не попадает в призму</source>
        <translation>The ray misses the prism</translation>
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
        <translation>INDEX TABLE</translation>
    </message>
</context>
<context>
    <name>PupilDialog</name>
    <message>
        <source>Кто проходит тест?</source>
        <translation>Who is taking the test?</translation>
    </message>
    <message>
        <source>Имя и класс попадут в журнал результатов; их можно не указывать.</source>
        <translation>Your name and class go into the results journal; you may leave them out.</translation>
    </message>
    <message>
        <source>Имя и фамилия</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>например, 8 Б</source>
        <translation>e.g. 8B</translation>
    </message>
    <message>
        <source>&amp;Имя и фамилия:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Класс:</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ReflectionSheet</name>
    <message>
        <source>ЛУЧ</source>
        <translation>RAY</translation>
    </message>
    <message>
        <source>Угол падающего луча A</source>
        <translation>Angle of the incident ray A</translation>
    </message>
    <message>
        <source>Угол A:</source>
        <translation>Angle A:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>На транспортире:</source>
        <translation>On the protractor:</translation>
    </message>
    <message>
        <source>Падающий луч на транспортире</source>
        <translation>Incident ray on the protractor</translation>
    </message>
    <message>
        <source>ЗЕРКАЛО</source>
        <translation>MIRROR</translation>
    </message>
    <message>
        <source>Угол зеркала F</source>
        <translation>Mirror angle F</translation>
    </message>
    <message>
        <source>Угол F:</source>
        <translation>Angle F:</translation>
    </message>
    <message>
        <source>Зеркало на транспортире</source>
        <translation>Mirror on the protractor</translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Угол B:</source>
        <translation>Angle B:</translation>
    </message>
    <message>
        <source>Угол отражённого луча B</source>
        <translation>Angle of the reflected ray B</translation>
    </message>
    <message>
        <source>Отражённый луч на транспортире</source>
        <translation>Reflected ray on the protractor</translation>
    </message>
    <message>
        <source>Угол падения:</source>
        <translation>Incidence:</translation>
    </message>
    <message>
        <source>Угол падения</source>
        <translation>Angle of incidence</translation>
    </message>
    <message>
        <source>Угол отражения:</source>
        <translation>Reflection:</translation>
    </message>
    <message>
        <source>Угол отражения</source>
        <translation>Angle of reflection</translation>
    </message>
    <message>
        <source>Углы A и B отсчитываются от вертикали транспортира, углы падения и отражения — от перпендикуляра к зеркалу (серая линия); их отмечают дуги на рисунке.</source>
        <translation>Angles A and B are measured from the protractor&apos;s vertical, the angles of incidence and reflection from the normal to the mirror (grey line); arcs mark them in the picture.</translation>
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
        <translation>RAY</translation>
    </message>
    <message>
        <source>Угол падающего луча A</source>
        <translation>Angle of the incident ray A</translation>
    </message>
    <message>
        <source>Угол A:</source>
        <translation>Angle A:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>На транспортире:</source>
        <translation>On the protractor:</translation>
    </message>
    <message>
        <source>Падающий луч на транспортире</source>
        <translation>Incident ray on the protractor</translation>
    </message>
    <message>
        <source>ПОКАЗАТЕЛИ ПРЕЛОМЛЕНИЯ СРЕД</source>
        <translation>REFRACTIVE INDICES</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>symbol</source>
        <translation>symbol</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>subscript</source>
        <translation>subscript</translation>
    </message>
    <message>
        <source>Показатель преломления среды 1, n1</source>
        <translation>Refractive index of medium 1, n1</translation>
    </message>
    <message>
        <source>Шкала показателя преломления n1</source>
        <translation>Refractive index n1 scale</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Показатель преломления среды 2, n2</source>
        <translation>Refractive index of medium 2, n2</translation>
    </message>
    <message>
        <source>Шкала показателя преломления n2</source>
        <translation>Refractive index n2 scale</translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>PARAMETERS</translation>
    </message>
    <message>
        <source>Угол Y:</source>
        <translation>Angle Y:</translation>
    </message>
    <message>
        <source>Угол отражённого луча Y</source>
        <translation>Angle of the reflected ray Y</translation>
    </message>
    <message>
        <source>Отражённый луч на транспортире</source>
        <translation>Reflected ray on the protractor</translation>
    </message>
    <message>
        <source>Угол B:</source>
        <translation>Angle B:</translation>
    </message>
    <message>
        <source>Угол преломления B</source>
        <translation>Angle of refraction B</translation>
    </message>
    <message>
        <source>Преломлённый луч на транспортире</source>
        <translation>Refracted ray on the protractor</translation>
    </message>
    <message>
        <source>Угол Ao:</source>
        <translation>Angle Ao:</translation>
    </message>
    <message>
        <source>Предельный угол Ao</source>
        <translation>Critical angle Ao</translation>
    </message>
    <message>
        <source>Предельный угол на транспортире</source>
        <translation>Critical angle on the protractor</translation>
    </message>
    <message>
        <source>Относительный
показатель</source>
        <translation>Relative
index</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Относительный показатель преломления n2/n1</source>
        <translation>Relative refractive index n2/n1</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Полное внутреннее отражение</source>
        <translation>Total internal reflection</translation>
    </message>
    <message>
        <source>Дополнительная информация</source>
        <translation>More information</translation>
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
        <translation>INDEX TABLE</translation>
    </message>
    <message>
        <source> м/с</source>
        <translation> m/s</translation>
    </message>
</context>
<context>
    <name>ResultExport</name>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Файл теста</source>
        <translation>Test file</translation>
    </message>
    <message>
        <source>Баллы</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Максимум</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Ответы</source>
        <translation>Answers</translation>
    </message>
</context>
<context>
    <name>ResultJournal</name>
    <message>
        <source>папки нет, и создать её нельзя</source>
        <translation>the folder does not exist and cannot be created</translation>
    </message>
    <message>
        <source>Результат не удалось записать в журнал (папка «%1»: %2). Позовите учителя: результат сохранится при следующей попытке</source>
        <translation>The result could not be written to the journal (folder &quot;%1&quot;: %2). Call the teacher: the result will be saved at the next attempt</translation>
    </message>
</context>
<context>
    <name>ResultTableModel</name>
    <message>
        <source>Дата и время</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Баллы</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Из</source>
        <translation>Of</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>ShadowScreenWindow</name>
    <message>
        <source>Дополнительный экран</source>
        <translation>Extra screen</translation>
    </message>
</context>
<context>
    <name>SheetPicture</name>
    <message>
        <source>Не удалось записать рисунок в файл &quot;%1&quot;: %2</source>
        <translation>Could not write the picture to the file &quot;%1&quot;: %2</translation>
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
        <translation>MAIN FORMULAS OF GEOMETRIC OPTICS</translation>
    </message>
    <message>
        <source>ЗАКОН ОТРАЖЕНИЯ</source>
        <translation>LAW OF REFLECTION</translation>
    </message>
    <message>
        <source>formulaCaption</source>
        <translation>formulaCaption</translation>
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
        <translation>ABSOLUTE REFRACTIVE
INDEX</translation>
    </message>
    <message>
        <source>ПОЛНОЕ ВНУТРЕННЕЕ ОТРАЖЕНИЕ</source>
        <translation>TOTAL INTERNAL REFLECTION</translation>
    </message>
    <message>
        <source>ФОРМУЛА ТОНКОЙ ЛИНЗЫ</source>
        <translation>THIN LENS FORMULA</translation>
    </message>
    <message>
        <source>ОПТИЧЕСКАЯ СИЛА ЛИНЗЫ</source>
        <translation>OPTICAL POWER OF A LENS</translation>
    </message>
    <message>
        <source>ЛИНЕЙНОЕ УВЕЛИЧЕНИЕ ЛИНЗЫ</source>
        <translation>MAGNIFICATION OF A LENS</translation>
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
        <translation>Help with the computer models</translation>
    </message>
    <message>
        <source>УПРАВЛЕНИЕ КОМПЬЮТЕРНЫМИ МОДЕЛЯМИ ОСУЩЕСТВЛЯЕТСЯ С ПОМОЩЬЮ ЭЛЕМЕНТОВ УПРАВЛЕНИЯ:</source>
        <translation>THE COMPUTER MODELS ARE WORKED WITH THESE CONTROLS:</translation>
    </message>
    <message>
        <source>КНОПКИ УПРАВЛЕНИЯ</source>
        <translation>CONTROL BUTTONS</translation>
    </message>
    <message>
        <source>ОБНОВЛЕНИЕ</source>
        <translation>REFRESH</translation>
    </message>
    <message>
        <source>КНОПКА ОБНОВЛЕНИЯ</source>
        <translation>REFRESH BUTTON</translation>
    </message>
    <message>
        <source>caption</source>
        <translation>caption</translation>
    </message>
    <message>
        <source>Если рисунок модели пропал (например, его закрыло другое окно), нажмите эту кнопку: модель будет нарисована заново при тех же положениях ползунков.</source>
        <translation>If the model&apos;s picture has gone (another window covered it, say), press this button: the model is drawn again with the sliders where they are.</translation>
    </message>
    <message>
        <source>ПО УМОЛЧАНИЮ</source>
        <translation>DEFAULTS</translation>
    </message>
    <message>
        <source>КНОПКА &quot;ПО УМОЛЧАНИЮ&quot;</source>
        <translation>&quot;DEFAULTS&quot; BUTTON</translation>
    </message>
    <message>
        <source>Возвращает все ползунки и полосы прокрутки модели к стандартным значениям, с которыми модель открывается в первый раз.</source>
        <translation>Returns every slider and scroll bar of the model to the standard values it first opens with.</translation>
    </message>
    <message>
        <source>ТАБЛИЦА ПРЕЛОМЛЕНИЯ</source>
        <translation>INDEX TABLE</translation>
    </message>
    <message>
        <source>КНОПКА &quot;ТАБЛИЦА ПРЕЛОМЛЕНИЯ&quot;</source>
        <translation>&quot;INDEX TABLE&quot; BUTTON</translation>
    </message>
    <message>
        <source>Есть только на моделях, где свет преломляется (закон преломления, пластинка, призма). Открывает таблицу показателей преломления различных сред.</source>
        <translation>Only on the models where light is refracted (law of refraction, plate, prism). Opens the table of refractive indices of various media.</translation>
    </message>
    <message>
        <source>НАВИГАЦИЯ</source>
        <translation>NAVIGATION</translation>
    </message>
    <message>
        <source>светящаяся точка</source>
        <translation>luminous point</translation>
    </message>
    <message>
        <source>стрелка</source>
        <translation>arrow</translation>
    </message>
    <message>
        <source>Переключатели позволяют выбрать один из двух вариантов: например, что служит предметом, светящаяся точка или стрелка. Включённым может быть только один переключатель группы.</source>
        <translation>Option buttons choose one of two options: for example, whether the object is a luminous point or an arrow. Only one button of a group can be on.</translation>
    </message>
    <message>
        <source>Высота:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Высота</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unit</translation>
    </message>
    <message>
        <source>Ползунок задаёт размер объекта: передвигайте его мышью или стрелками клавиатуры. Значение в сантиметрах показывает индикатор рядом с надписью.</source>
        <translation>A slider sets the size of an object: move it with the mouse or the arrow keys. The display beside the caption shows the value in centimetres.</translation>
    </message>
    <message>
        <source>Положение
по Х:</source>
        <translation>Position
in X:</translation>
    </message>
    <message>
        <source>Положение по X</source>
        <translation>Position in X</translation>
    </message>
    <message>
        <source>Шкала положения по X</source>
        <translation>X position scale</translation>
    </message>
    <message>
        <source>Полоса прокрутки задаёт положение объекта: тяните её движок или нажимайте на стрелки по краям. Расстояние в сантиметрах показывают индикатор и шкала.</source>
        <translation>A scroll bar sets the position of an object: drag its thumb or press the arrows at its ends. The display and the dial show the distance in centimetres.</translation>
    </message>
    <message>
        <source>В каждой модели элементы управления собраны в блоки, и каждый блок назван по объекту, которым он управляет: «ИСТОЧНИК», «ПРЕПЯТСТВИЕ», «ЭКРАН», «ЛУЧ», «ЗЕРКАЛО», «ЛИНЗА», «ПРЕДМЕТ».</source>
        <translation>In every model the controls are grouped in blocks, each named after the object it controls: &quot;SOURCE&quot;, &quot;OBSTACLE&quot;, &quot;SCREEN&quot;, &quot;RAY&quot;, &quot;MIRROR&quot;, &quot;LENS&quot;, &quot;OBJECT&quot;.</translation>
    </message>
    <message>
        <source>КЛАВИАТУРА</source>
        <translation>KEYBOARD</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;1&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab, Shift+Tab&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;следующий, предыдущий элемент&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Стрелки&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;шаг шкалы; выбор переключателя&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Page Up, Page Down&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;десять шагов шкалы&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Home, End&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;начало, конец шкалы&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Пробел, Enter&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;нажать кнопку, отметить флажок&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+S&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;сохранить рисунок модели (PNG, SVG)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;копировать рисунок и показания&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table cellspacing=&quot;1&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab, Shift+Tab&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;next, previous control&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Arrows&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;one step of a scale; choose an option&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Page Up, Page Down&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;ten steps of a scale&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Home, End&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;start, end of a scale&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Space, Enter&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;press a button, tick a box&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+S&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;save the model&apos;s picture (PNG, SVG)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;copy the picture and readouts&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;1&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1 … Ctrl+8&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;модели в порядке окна выбора&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0, F2&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;окно выбора модели&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;эта помощь&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Esc&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;закрыть окно&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+буква&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;кнопка с подчёркнутой буквой&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;печать рисунка и показаний&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;рисунок во весь экран&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table cellspacing=&quot;1&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1 … Ctrl+8&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;the models in the chooser&apos;s order&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0, F2&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;the model chooser&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;this help&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Esc&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;close the window&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+letter&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;the button with that underlined letter&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;print the picture and readouts&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&amp;nbsp;&amp;nbsp;&lt;/td&gt;&lt;td&gt;the picture on the full screen&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>АВТОР РАЗРАБОТКИ</source>
        <translation>ABOUT THE AUTHOR</translation>
    </message>
    <message>
        <source>ВЫБОР СКИНА ПРОГРАММЫ</source>
        <translation>CHOOSE A SKIN</translation>
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
        <translation>More information</translation>
    </message>
    <message>
        <source>СКОРОСТЬ СВЕТА В СРЕДЕ n1 ОТНОСИТЕЛЬНО СКОРОСТИ СВЕТА В ВАКУУМЕ:</source>
        <translation>SPEED OF LIGHT IN MEDIUM n1 RELATIVE TO THAT IN A VACUUM:</translation>
    </message>
    <message>
        <source>Скорость света в среде 1</source>
        <translation>Speed of light in medium 1</translation>
    </message>
    <message>
        <source>СКОРОСТЬ СВЕТА В СРЕДЕ n2 ОТНОСИТЕЛЬНО СКОРОСТИ СВЕТА В ВАКУУМЕ:</source>
        <translation>SPEED OF LIGHT IN MEDIUM n2 RELATIVE TO THAT IN A VACUUM:</translation>
    </message>
    <message>
        <source>Скорость света в среде 2</source>
        <translation>Speed of light in medium 2</translation>
    </message>
    <message>
        <source>Значение скорости света взято равное 299.792.458 м/с</source>
        <translation>The speed of light is taken as 299,792,458 m/s</translation>
    </message>
</context>
<context>
    <name>TForm13</name>
    <message>
        <source>График зависимости угла преломления от угла падения</source>
        <translation>Angle of refraction against angle of incidence</translation>
    </message>
</context>
<context>
    <name>TForm14</name>
    <message>
        <source>Проверка знаний</source>
        <translation>Knowledge check</translation>
    </message>
    <message>
        <source>ВЫБЕРИТЕ КАРТОЧКУ С ЗАДАНИЕМ</source>
        <translation>CHOOSE A TASK CARD</translation>
    </message>
    <message>
        <source>В заданиях необходимо дописать фразу или ответить на вопрос</source>
        <translation>Complete the sentence or answer the question</translation>
    </message>
    <message>
        <source>КАРТОЧКА № 1 </source>
        <translation>CARD No. 1 </translation>
    </message>
    <message>
        <source>КАРТОЧКА № 2</source>
        <translation>CARD No. 2</translation>
    </message>
    <message>
        <source>КАРТОЧКА № 3</source>
        <translation>CARD No. 3</translation>
    </message>
    <message>
        <source>КАРТОЧКА № 4</source>
        <translation>CARD No. 4</translation>
    </message>
    <message>
        <source>Текст карточки</source>
        <translation>Card text</translation>
    </message>
    <message>
        <source>ДОПОЛНИТЕЛЬНАЯ КАРТОЧКА</source>
        <translation>EXTRA CARD</translation>
    </message>
    <message>
        <source>КОНТРОЛЬНЫЙ ТЕСТ</source>
        <translation>TEST</translation>
    </message>
    <message>
        <source>РЕДАКТОР ТЕСТА</source>
        <translation>TEST EDITOR</translation>
    </message>
    <message>
        <source>ЖУРНАЛ РЕЗУЛЬТАТОВ</source>
        <translation>RESULTS JOURNAL</translation>
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
        <translation>Form15</translation>
    </message>
    <message>
        <source>Законы распространения света </source>
        <translation>Laws of the propagation of light </translation>
    </message>
    <message>
        <source>на основе представлений о световых лучах</source>
        <translation>based on the idea of light rays</translation>
    </message>
    <message>
        <source>ОСНОВНЫЕ ЗАКОНЫ</source>
        <translation>BASIC LAWS</translation>
    </message>
</context>
<context>
    <name>TForm16</name>
    <message>
        <source>Оптика: интерактивные модели</source>
        <translation>Optics: interactive models</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:76%; margin:0&quot;&gt;Оптика:&lt;br&gt;интерактивные модели&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:76%; margin:0&quot;&gt;Optics:&lt;br&gt;interactive models&lt;/p&gt;</translation>
    </message>
    <message>
        <source>**КОМПЬЮТЕРНАЯ ПРОГРАММА ПО ФИЗИКЕ: ИНТЕРАКТИВНЫЕ МОДЕЛИ**</source>
        <translation>**PHYSICS COMPUTER PROGRAM: INTERACTIVE MODELS**</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Компьютерные модели делают урок физики наглядным. То, что трудно показать на доске, а на столе долго собирать, ученик видит на экране: лучи, углы, тени и изображения меняются сразу, как только он передвигает ползунок. Из зрителя ученик становится участником опыта: сам задаёт его условия, наблюдает, что получается, проверяет решение задачи и делает выводы. Так законы геометрической оптики не заучиваются, а открываются заново.</source>
        <translation>Computer models make a physics lesson visual. What is hard to show on the board and slow to set up on the bench, the pupil sees on the screen: rays, angles, shadows and images change as soon as a slider moves. The pupil becomes a part of the experiment, not a spectator: sets its conditions, watches what happens, checks the solution of a problem and draws conclusions. So the laws of geometric optics are not learnt by heart but discovered anew.</translation>
    </message>
    <message>
        <source>Идея и автор разработки:</source>
        <translation>Idea and author:</translation>
    </message>
    <message>
        <source>разработчики программы «Оптика»</source>
        <translation>the developers of &quot;Optics&quot;</translation>
    </message>
    <message>
        <source>Учебная программа по школьному курсу физики,</source>
        <translation>A teaching program for school physics,</translation>
    </message>
    <message>
        <source>раздел «Геометрическая оптика»: восемь интерактивных моделей,</source>
        <translation>the &quot;Geometric optics&quot; topic: eight interactive models,</translation>
    </message>
    <message>
        <source>словарь, справочник, формулы, вопросы, задачи и контрольный тест</source>
        <translation>a glossary, reference, formulas, questions, problems and a test</translation>
    </message>
    <message>
        <source>Для учеников и учителей физики</source>
        <translation>For physics pupils and teachers</translation>
    </message>
    <message>
        <source>Свободная программа (GNU GPL 3 или новее), без каких-либо гарантий</source>
        <translation>Free software (GNU GPL 3 or later), with no warranty of any kind</translation>
    </message>
    <message>
        <source>Обратная связь с автором:</source>
        <translation>Contact the author:</translation>
    </message>
    <message>
        <source>Трекер задач проекта</source>
        <translation>Project issue tracker</translation>
    </message>
    <message>
        <source>трекер задач проекта</source>
        <translation>project issue tracker</translation>
    </message>
    <message>
        <source>Репозиторий проекта</source>
        <translation>Project repository</translation>
    </message>
    <message>
        <source>репозиторий проекта</source>
        <translation>project repository</translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Просьба о недочетах и недостатках данного приложения написать автору! </source>
        <translation>Please write to the author about any faults of this program! </translation>
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
        <translation>YOU HAVE FINISHED THE TEST<byte value="xd"/>Questions in the test = %1<byte value="xd"/>Points scored =%2</translation>
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
        <translation>Choose a skin</translation>
    </message>
    <message>
        <source>Для лучшего восприятия при работе с моделями,
вы можете выбрать одно из нескольких оформлений программы.</source>
        <translation>To see the models at their best,
you can choose one of several looks of the program.</translation>
    </message>
    <message>
        <source>Текущий скин:</source>
        <translation>Current skin:</translation>
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
        <translation>FROM</translation>
    </message>
    <message>
        <source>ДО</source>
        <translation>TO</translation>
    </message>
    <message>
        <source>ОЦЕНКА &quot;2&quot;</source>
        <translation>MARK &quot;2&quot;</translation>
    </message>
    <message>
        <source>Оценка «2» от, баллов</source>
        <translation>Mark 2 from, points</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Оценка «2» до, баллов</source>
        <translation>Mark 2 up to, points</translation>
    </message>
    <message>
        <source>35</source>
        <translation>35</translation>
    </message>
    <message>
        <source>ОЦЕНКА &quot;3&quot;</source>
        <translation>MARK &quot;3&quot;</translation>
    </message>
    <message>
        <source>Оценка «3» от, баллов</source>
        <translation>Mark 3 from, points</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>Оценка «3» до, баллов</source>
        <translation>Mark 3 up to, points</translation>
    </message>
    <message>
        <source>55</source>
        <translation>55</translation>
    </message>
    <message>
        <source>ОЦЕНКА &quot;4&quot;</source>
        <translation>MARK &quot;4&quot;</translation>
    </message>
    <message>
        <source>Оценка «4» от, баллов</source>
        <translation>Mark 4 from, points</translation>
    </message>
    <message>
        <source>56</source>
        <translation>56</translation>
    </message>
    <message>
        <source>Оценка «4» до, баллов</source>
        <translation>Mark 4 up to, points</translation>
    </message>
    <message>
        <source>75</source>
        <translation>75</translation>
    </message>
    <message>
        <source>ОЦЕНКА &quot;5&quot;</source>
        <translation>MARK &quot;5&quot;</translation>
    </message>
    <message>
        <source>Оценка «5» от, баллов</source>
        <translation>Mark 5 from, points</translation>
    </message>
    <message>
        <source>76</source>
        <translation>76</translation>
    </message>
    <message>
        <source>Оценка «5» до, баллов</source>
        <translation>Mark 5 up to, points</translation>
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
        <translation>Refractive indices of various media</translation>
    </message>
    <message>
        <source>ВОЗДУХ</source>
        <translation>AIR</translation>
    </message>
    <message>
        <source>Показатель преломления: воздух</source>
        <translation>Refractive index: air</translation>
    </message>
    <message>
        <source>1,00029</source>
        <translation>1.00029</translation>
    </message>
    <message>
        <source>Показатель преломления: воздух, округлённо</source>
        <translation>Refractive index: air, rounded</translation>
    </message>
    <message>
        <source>=1</source>
        <translation>=1</translation>
    </message>
    <message>
        <source>ВОДА (при 20 °С)</source>
        <translation>WATER (at 20 °C)</translation>
    </message>
    <message>
        <source>Показатель преломления: вода при 20 °С</source>
        <translation>Refractive index: water at 20 °C</translation>
    </message>
    <message>
        <source>1,333</source>
        <translation>1.333</translation>
    </message>
    <message>
        <source>Показатель преломления: вода, округлённо</source>
        <translation>Refractive index: water, rounded</translation>
    </message>
    <message>
        <source>=1,33</source>
        <translation>=1.33</translation>
    </message>
    <message>
        <source>ЭТИЛОВЫЙ СПИРТ</source>
        <translation>ETHANOL</translation>
    </message>
    <message>
        <source>Показатель преломления: этиловый спирт</source>
        <translation>Refractive index: ethanol</translation>
    </message>
    <message>
        <source>1,36</source>
        <translation>1.36</translation>
    </message>
    <message>
        <source>ПЛАВЛЕНЫЙ КВАРЦ</source>
        <translation>FUSED QUARTZ</translation>
    </message>
    <message>
        <source>Показатель преломления: плавленый кварц</source>
        <translation>Refractive index: fused quartz</translation>
    </message>
    <message>
        <source>1,46</source>
        <translation>1.46</translation>
    </message>
    <message>
        <source>СТЕКЛО КРОН</source>
        <translation>CROWN GLASS</translation>
    </message>
    <message>
        <source>Показатель преломления: стекло крон</source>
        <translation>Refractive index: crown glass</translation>
    </message>
    <message>
        <source>1,51</source>
        <translation>1.51</translation>
    </message>
    <message>
        <source>КЕДРОВОЕ МАСЛО (при 20 °С)</source>
        <translation>CEDAR OIL (at 20 °C)</translation>
    </message>
    <message>
        <source>Показатель преломления: кедровое масло при 20 °С</source>
        <translation>Refractive index: cedar oil at 20 °C</translation>
    </message>
    <message>
        <source>1,52</source>
        <translation>1.52</translation>
    </message>
    <message>
        <source>КАМЕННАЯ СОЛЬ</source>
        <translation>ROCK SALT</translation>
    </message>
    <message>
        <source>Показатель преломления: каменная соль</source>
        <translation>Refractive index: rock salt</translation>
    </message>
    <message>
        <source>1,54</source>
        <translation>1.54</translation>
    </message>
    <message>
        <source>РУБИН</source>
        <translation>RUBY</translation>
    </message>
    <message>
        <source>Показатель преломления: рубин</source>
        <translation>Refractive index: ruby</translation>
    </message>
    <message>
        <source>1,76</source>
        <translation>1.76</translation>
    </message>
    <message>
        <source>АЛМАЗ</source>
        <translation>DIAMOND</translation>
    </message>
    <message>
        <source>Показатель преломления: алмаз</source>
        <translation>Refractive index: diamond</translation>
    </message>
    <message>
        <source>2,42</source>
        <translation>2.42</translation>
    </message>
    <message>
        <source>Бегущая строка</source>
        <translation>Scrolling text</translation>
    </message>
    <message>
        <source>Значения показателей преломления для некоторых веществ относительно воздуха приведенные в таблице относятся к желтому свету</source>
        <translation>The refractive indices of the substances relative to air given in the table are for yellow light</translation>
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
        <translation>Choose a model</translation>
    </message>
    <message>
        <source>ИНТЕРАКТИВНЫЕ КОМПЬЮТЕРНЫЕ МОДЕЛИ 
         ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>INTERACTIVE COMPUTER MODELS
         OF GEOMETRIC OPTICS</translation>
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
        <translation>REFRACTION IN A TRIANGULAR
PRISM</translation>
    </message>
    <message>
        <source>ЛИНЗА КАК ОПТИЧЕСКИЙ ПРИБОР</source>
        <translation>THE LENS AS AN OPTICAL INSTRUMENT</translation>
    </message>
    <message>
        <source>ОПИСАНИЕ</source>
        <translation>DESCRIPTION</translation>
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
        <translation>SHORT REFERENCE: GEOMETRIC OPTICS</translation>
    </message>
    <message>
        <source>Данный справочник можно использовать как опорный конспект</source>
        <translation>Use this reference as your summary notes</translation>
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
        <translation>Problems</translation>
    </message>
    <message>
        <source>ЗАДАЧИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>PROBLEMS IN GEOMETRIC OPTICS</translation>
    </message>
    <message>
        <source>КАЛЬКУЛЯТОР</source>
        <translation>CALCULATOR</translation>
    </message>
    <message>
        <source>Текст задачи</source>
        <translation>Problem text</translation>
    </message>
    <message>
        <source>Все задачи, которые вы решили, необходимо проверить с помощью компьютерных моделей!</source>
        <translation>Check every problem you solve with the computer models!</translation>
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
        <translation>Questions</translation>
    </message>
    <message>
        <source>ТЕОРЕТИЧЕСКИЕ ВОПРОСЫ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ</source>
        <translation>THEORY QUESTIONS IN GEOMETRIC OPTICS</translation>
    </message>
    <message>
        <source>Вопросы и ответы</source>
        <translation>Questions and answers</translation>
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
    <name>TestContent</name>
    <message>
        <source>Вопрос %1: </source>
        <translation>Question %1: </translation>
    </message>
    <message>
        <source>нет текста вопроса</source>
        <translation>the question has no text</translation>
    </message>
    <message>
        <source>текст вопроса длиннее %1 знаков</source>
        <translation>the question is longer than %1 characters</translation>
    </message>
    <message>
        <source>ответов меньше двух</source>
        <translation>fewer than two answers</translation>
    </message>
    <message>
        <source>ответов %1, а окно теста показывает не больше %2</source>
        <translation>%1 answers, but the test window shows at most %2</translation>
    </message>
    <message>
        <source>ответ %1 пустой</source>
        <translation>answer %1 is empty</translation>
    </message>
    <message>
        <source>ответ %1 длиннее %2 знаков</source>
        <translation>answer %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>ответы %1 и %2 совпадают</source>
        <translation>answers %1 and %2 are the same</translation>
    </message>
    <message>
        <source>не отмечен правильный ответ</source>
        <translation>no right answer is marked</translation>
    </message>
    <message>
        <source>Нет названия теста</source>
        <translation>The test has no title</translation>
    </message>
    <message>
        <source>В тесте нет ни одного вопроса</source>
        <translation>The test has no questions</translation>
    </message>
</context>
<context>
    <name>TestEditorWindow</name>
    <message>
        <source>Отменить %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Повторить %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>&amp;Название теста:</source>
        <translation>Test &amp;title:</translation>
    </message>
    <message>
        <source>Название теста</source>
        <translation>Test title</translation>
    </message>
    <message>
        <source>&amp;Вопросы:</source>
        <translation>&amp;Questions:</translation>
    </message>
    <message>
        <source>Вопросы</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Выше</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Ниже</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>&amp;Текст вопроса:</source>
        <translation>Question te&amp;xt:</translation>
    </message>
    <message>
        <source>Текст вопроса</source>
        <translation>Question text</translation>
    </message>
    <message>
        <source>О&amp;тветы (кружок отмечает верный):</source>
        <translation>&amp;Answers (the circle marks the right one):</translation>
    </message>
    <message>
        <source>Ответы</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Добавить ответ</source>
        <translation>Add answer</translation>
    </message>
    <message>
        <source>Удалить ответ</source>
        <translation>Delete answer</translation>
    </message>
    <message>
        <source>Ответ выше</source>
        <translation>Answer up</translation>
    </message>
    <message>
        <source>Ответ ниже</source>
        <translation>Answer down</translation>
    </message>
    <message>
        <source>Так увидит вопрос ученик</source>
        <translation>The question as the pupil will see it</translation>
    </message>
    <message>
        <source>название</source>
        <translation>title</translation>
    </message>
    <message>
        <source>текст вопроса %1</source>
        <translation>text of question %1</translation>
    </message>
    <message>
        <source>ответ %1</source>
        <translation>answer %1</translation>
    </message>
    <message>
        <source>верный ответ</source>
        <translation>right answer</translation>
    </message>
    <message>
        <source>новый вопрос</source>
        <translation>new question</translation>
    </message>
    <message>
        <source>копия вопроса</source>
        <translation>copy of question</translation>
    </message>
    <message>
        <source>удаление вопроса</source>
        <translation>deleting a question</translation>
    </message>
    <message>
        <source>перестановка вопросов</source>
        <translation>moving a question</translation>
    </message>
    <message>
        <source>новый ответ</source>
        <translation>new answer</translation>
    </message>
    <message>
        <source>удаление ответа</source>
        <translation>deleting an answer</translation>
    </message>
    <message>
        <source>перестановка ответов</source>
        <translation>moving an answer</translation>
    </message>
    <message>
        <source>В тесте есть недочёты, которые ученики увидят:
%1

Сохранить тест всё равно?</source>
        <translation>The test has faults that pupils will see:
%1

Save the test all the same?</translation>
    </message>
    <message>
        <source>В тексте теста есть знаки, которых нет в кодировке Windows-1251 этого файла. Сохранить файл в кодировке UTF-8? Окно теста прочтёт его так же.</source>
        <translation>The test contains characters that the Windows-1251 encoding of this file does not have. Save the file in UTF-8? The test window reads it just the same.</translation>
    </message>
    <message>
        <source>Новый тест</source>
        <translation>New test</translation>
    </message>
    <message>
        <source>Тесты (*.ini);;Все файлы (*)</source>
        <translation>Tests (*.ini);;All files (*)</translation>
    </message>
    <message>
        <source>без названия</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>Сохранить изменения теста «%1»?</source>
        <translation>Save the changes to the test “%1”?</translation>
    </message>
    <message>
        <source>Открыть тест</source>
        <translation>Open a test</translation>
    </message>
    <message>
        <source>Сохранить тест как</source>
        <translation>Save the test as</translation>
    </message>
    <message>
        <source>новый тест</source>
        <translation>new test</translation>
    </message>
    <message>
        <source>Редактор теста — %1[*]</source>
        <translation>Test editor — %1[*]</translation>
    </message>
    <message>
        <source>(без текста)</source>
        <translation>(no text)</translation>
    </message>
</context>
<context>
    <name>TestFile</name>
    <message>
        <source>в нём нет раздела [Тест]</source>
        <translation>it has no [Тест] section</translation>
    </message>
    <message>
        <source>в нём нет ни одного вопроса (раздела [Вопрос №1])</source>
        <translation>it has no questions (no [Вопрос №1] section)</translation>
    </message>
    <message>
        <source>Файл %1 не открывается: %2</source>
        <translation>The file %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Файл %1 — не тест: %2</source>
        <translation>The file %1 is not a test: %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1; он остался прежним</source>
        <translation>The file %1 could not be written; it is as it was</translation>
    </message>
    <message>
        <source>Не удалось записать резервную копию %1; файл %2 остался прежним</source>
        <translation>The backup copy %1 could not be written; the file %2 is as it was</translation>
    </message>
</context>
<context>
    <name>TestQuestionPreview</name>
    <message>
        <source>ВОПРОС:</source>
        <translation>QUESTION:</translation>
    </message>
    <message>
        <source>Текст вопроса в окне теста</source>
        <translation>Question text in the test window</translation>
    </message>
    <message>
        <source>Варианты ответов</source>
        <translation>Answers to choose from</translation>
    </message>
    <message>
        <source>Вопрос %1 из %2</source>
        <translation>Question %1 of %2</translation>
    </message>
    <message>
        <source>Ответ %1, пустой</source>
        <translation>Answer %1, empty</translation>
    </message>
    <message>
        <source>Верный ответ не отмечен: тест не засчитает ни один.</source>
        <translation>No right answer is marked: the test will count none.</translation>
    </message>
    <message>
        <source>Верно: тест засчитает этот ответ.</source>
        <translation>Right: the test will count this answer.</translation>
    </message>
    <message>
        <source>Неверно: верный ответ — %1.</source>
        <translation>Wrong: the right answer is %1.</translation>
    </message>
</context>
<context>
    <name>TwoSourceShadowSheet</name>
    <message>
        <source>ИСТОЧНИК S1</source>
        <translation>SOURCE S1</translation>
    </message>
    <message>
        <source>Вид источника: точечный</source>
        <translation>Kind of source: point</translation>
    </message>
    <message>
        <source>Поворот источника S1</source>
        <translation>Turn of source S1</translation>
    </message>
    <message>
        <source>Поворот:</source>
        <translation>Turn:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Источник S1 повёрнут вниз</source>
        <translation>Source S1 turned down</translation>
    </message>
    <message>
        <source>Источник S1 повёрнут вверх</source>
        <translation>Source S1 turned up</translation>
    </message>
    <message>
        <source>Положение:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Положение источника S1</source>
        <translation>Position of source S1</translation>
    </message>
    <message>
        <source>СМ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Шкала положения источника S1</source>
        <translation>Source S1 position scale</translation>
    </message>
    <message>
        <source>ИСТОЧНИК S2</source>
        <translation>SOURCE S2</translation>
    </message>
    <message>
        <source>Поворот источника S2</source>
        <translation>Turn of source S2</translation>
    </message>
    <message>
        <source>Источник S2 повёрнут вниз</source>
        <translation>Source S2 turned down</translation>
    </message>
    <message>
        <source>Источник S2 повёрнут вверх</source>
        <translation>Source S2 turned up</translation>
    </message>
    <message>
        <source>Положение источника S2</source>
        <translation>Position of source S2</translation>
    </message>
    <message>
        <source>Шкала положения источника S2</source>
        <translation>Source S2 position scale</translation>
    </message>
    <message>
        <source>ЭКРАН</source>
        <translation>SCREEN</translation>
    </message>
    <message>
        <source>Положение экрана</source>
        <translation>Screen position</translation>
    </message>
    <message>
        <source>Шкала положения экрана</source>
        <translation>Screen position scale</translation>
    </message>
    <message>
        <source>Дополнительный экран</source>
        <translation>Extra screen</translation>
    </message>
    <message>
        <source>ПРЕПЯТСТВИЕ</source>
        <translation>OBSTACLE</translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Размер препятствия</source>
        <translation>Obstacle size</translation>
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
