<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="uk">
<context>
    <name>Quantity</name>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="21"/>
        <source>Прізвище та ініціали студента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="22"/>
        <source>ім&apos;я користувача</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="23"/>
        <source>Матеріал заготовки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="24"/>
        <source>матеріал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="25"/>
        <location filename="../experiment/QuantityTexts.cpp" line="27"/>
        <location filename="../experiment/QuantityTexts.cpp" line="29"/>
        <location filename="../experiment/QuantityTexts.cpp" line="31"/>
        <source>градусів</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="26"/>
        <source>Головний кут у плані %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="28"/>
        <source>Допоміжний кут у плані %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="30"/>
        <source>Задній кут %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="32"/>
        <source>Передній кут %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="33"/>
        <location filename="../experiment/QuantityTexts.cpp" line="35"/>
        <source>мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="34"/>
        <source>Діаметр заготовки %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="36"/>
        <source>Глибина різання %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="37"/>
        <source>мм/об.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="38"/>
        <source>Подача %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="39"/>
        <source>об./хв.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="40"/>
        <source>Частота обертання %3, інструмент %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="41"/>
        <source>[hз]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="42"/>
        <location filename="../experiment/QuantityTexts.cpp" line="46"/>
        <location filename="../experiment/QuantityTexts.cpp" line="55"/>
        <location filename="../experiment/QuantityTexts.cpp" line="58"/>
        <location filename="../experiment/QuantityTexts.cpp" line="60"/>
        <source>мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="43"/>
        <source>Допустиме зношування по задній поверхні</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="44"/>
        <location filename="../experiment/QuantityTexts.cpp" line="49"/>
        <location filename="../experiment/QuantityTexts.cpp" line="53"/>
        <location filename="../experiment/QuantityTexts.cpp" line="67"/>
        <source>хв.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="45"/>
        <source>Тривалість %2-го інтервалу, інструмент %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="46"/>
        <source>hз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="47"/>
        <source>Зношування по задній поверхні після %2-го інтервалу, інструмент %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="49"/>
        <source>τд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="50"/>
        <source>Довільна тривалість роботи інструмента %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="51"/>
        <source>м/хв.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="52"/>
        <source>Швидкість різання інструмента %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="54"/>
        <source>Загальна тривалість роботи інструмента %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="55"/>
        <source>hр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="56"/>
        <source>Розмірне зношування інструмента %1 після %2-го інтервалу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="57"/>
        <source>[hр]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="59"/>
        <source>Допустиме розмірне зношування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="61"/>
        <source>Лінія зношування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="62"/>
        <source>Коефіцієнт моделі зношування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="63"/>
        <source>Показник степеня моделі зношування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="64"/>
        <source>Коефіцієнт моделі стійкості</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="65"/>
        <source>Показник степеня моделі стійкості</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../experiment/QuantityTexts.cpp" line="68"/>
        <source>Період стійкості</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="39"/>
        <source>Розмірне зношування, інструмент 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="40"/>
        <source>Розмірне зношування, інструмент 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="41"/>
        <source>Розмірне зношування, інструмент 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="42"/>
        <source>Лінія зношування V1, інструмент 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="43"/>
        <source>Лінія зношування V2, інструмент 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="44"/>
        <source>Лінія зношування V3, інструмент 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="45"/>
        <source>Розмірне зношування у вибраний час τд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="47"/>
        <source>Модель зношування hр = C·V^k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="48"/>
        <source>Період стійкості інструмента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="49"/>
        <source>Модель стійкості Tр = C·V^z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ChartReadout.cpp" line="90"/>
        <source>Збільшити: протягніть лівою кнопкою вправо-вниз або натисніть +.
Зменшити: натисніть -.
Скасувати збільшення: протягніть вліво-вгору, Home або Esc.
Зсунути: протягніть правою кнопкою або стрілками.
Прокрутити по вертикалі: коліщатко миші.
Копіювати: права кнопка без руху або Ctrl+C.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <location filename="../ui/LabReport.cpp" line="47"/>
        <source>Залежність величини розмірного зношування від швидкості різання</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/LabReport.cpp" line="48"/>
        <source>hр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/LabReport.cpp" line="49"/>
        <source>Залежність періоду стійкості інструмента від швидкості різання</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/LabReport.cpp" line="50"/>
        <source>Tр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/LabReport.cpp" line="132"/>
        <location filename="../ui/ResultsReport.cpp" line="53"/>
        <source>Вихідні дані</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/LabReport.cpp" line="203"/>
        <location filename="../ui/ResultsReport.cpp" line="63"/>
        <source>Результати розрахунків</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/LabReport.cpp" line="236"/>
        <location filename="../ui/ResultsReport.cpp" line="74"/>
        <source>Математичні моделі</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ResultsReport.cpp" line="39"/>
        <source>hр = C·V^k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ResultsReport.cpp" line="40"/>
        <source>Tр = C·V^z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ResultsReport.cpp" line="76"/>
        <source>Модель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ResultsReport.cpp" line="77"/>
        <source>Показник степеня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ResultsReport.cpp" line="104"/>
        <source>Інструмент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ResultsReport.cpp" line="122"/>
        <source>Виконав</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="28"/>
        <source>Розрахувати</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="29"/>
        <source>Результати розрахунків</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="30"/>
        <source>Графіки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="31"/>
        <source>Допомога</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="35"/>
        <source>Визначити параметри</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="40"/>
        <source>Графік розмірного зношування hр, мкм (вертикальна вісь) від часу експлуатації інструмента τ, хв. (горизонтальна вісь): виміряне зношування трьох інструментів точками і лінії зношування V1 (червона), V2 (синя), V3 (зелена)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="46"/>
        <source>Графік розмірного зношування hр, мкм (вертикальна вісь) від швидкості різання V, м/хв. (горизонтальна вісь): зношування трьох інструментів у вибраний час точками і крива моделі зношування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="51"/>
        <source>Графік періоду стійкості T, хв. (вертикальна вісь) від швидкості різання V, м/хв. (горизонтальна вісь): період стійкості трьох інструментів точками і крива моделі стійкості</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="67"/>
        <source>Розмірне зношування hр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="69"/>
        <source>Період стійкості Tр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="99"/>
        <source> дорівнює </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="115"/>
        <source>, помножене на V у степені </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
