<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- What Qt's own Ukrainian catalogue lacks in the dialogs the program opens: the print
     dialog's page range and double-sided printing, the printer properties' "Advanced" page.
     Loaded beside qtbase_uk. -->
<TS version="2.1" language="uk_UA">
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Сторінки</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Укажіть сторінки або діапазони через кому. Діапазон задають два числа через дефіс. Наприклад, 3,5-7,9 друкує сторінки 3, 5, 6, 7 і 9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Двосторонній друк</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>По довгій стороні</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>По короткій стороні</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Додатково</translation>
    </message>
</context>
</TS>
