<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="uk">
<context>
    <name>Check</name>
    <message>
        <source>Не вдалося прочитати: %1.</source>
        <translation>Cannot read: %1.</translation>
    </message>
    <message>
        <source>Не вказано ім&apos;я користувача.</source>
        <translation>No student&apos;s name is given.</translation>
    </message>
    <message numerus="yes">
        <source>%n файлів</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Стан</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Повідомлення</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Примітки</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Перевірка</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>%1, інструмент %2, %3</source>
        <translation>%1, cutter %2, %3</translation>
    </message>
    <message>
        <source>Приміток</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>У теці «%1» немає файлів дослідів (*.kvr).</source>
        <translation>The folder “%1” holds no experiment files (*.kvr).</translation>
    </message>
    <message>
        <source>%1 без помилок</source>
        <translation>%1 without errors</translation>
    </message>
    <message>
        <source>%1 з попередженням</source>
        <translation>%1 with a warning</translation>
    </message>
    <message>
        <source>%1 з помилкою обчислення</source>
        <translation>%1 with a calculation error</translation>
    </message>
    <message>
        <source>%1 з хибними даними</source>
        <translation>%1 with bad inputs</translation>
    </message>
    <message>
        <source>%1 не відкрито</source>
        <translation>%1 not opened</translation>
    </message>
    <message>
        <source>У теці «%1» знайдено %2 (*.kvr).</source>
        <translation>Found %2 (*.kvr) in the folder “%1”.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Перевірено</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>невідомий параметр «%1»</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <source>бракує значення параметра</source>
        <translation>an option is missing its value</translation>
    </message>
    <message>
        <source>--report потребує хоча б одного файлу досліду</source>
        <translation>--report needs at least one experiment file</translation>
    </message>
    <message>
        <source>--check і --report не поєднуються</source>
        <translation>--check and --report cannot be combined</translation>
    </message>
    <message>
        <source>--check потребує хоча б одного файлу досліду</source>
        <translation>--check needs at least one experiment file</translation>
    </message>
    <message>
        <source>вікна відкривають щонайбільше один файл досліду</source>
        <translation>the windows open one experiment file at most</translation>
    </message>
    <message>
        <source>kvr: не вдалося записати у стандартний вивід
</source>
        <translation>kvr: could not write to standard output
</translation>
    </message>
    <message>
        <source>%1 %2 з %3</source>
        <comment>done of all</comment>
        <translation>%1 %2 of %3</translation>
    </message>
    <message>
        <source>Звіт для «%1» не складено: %2</source>
        <translation>No report for “%1”: %2</translation>
    </message>
    <message>
        <source>Опрацьовано</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Звіт для «%1» не складено: %2.</source>
        <translation>No report for “%1”: %2.</translation>
    </message>
    <message>
        <source>«%1» — це файл, а не тека</source>
        <translation>“%1” is a file, not a folder</translation>
    </message>
    <message>
        <source>немає дисплея: вікна не відкрити; без вікон працюють kvr --check і kvr --report</source>
        <translation>no display: the windows cannot open; kvr --check and kvr --report work without them</translation>
    </message>
    <message>
        <source>kvr: теку «%1» не створити</source>
        <translation>kvr: the folder “%1” cannot be made</translation>
    </message>
    <message>
        <source>--output буває лише з --check</source>
        <translation>--output goes only with --check</translation>
    </message>
    <message>
        <source>«%1» буває лише з --check чи --report</source>
        <translation>“%1” goes only with --check or --report</translation>
    </message>
    <message>
        <source>не вдалося прочитати список файлів «%1»</source>
        <translation>could not read the list of files “%1”</translation>
    </message>
    <message>
        <source>Звіти, де бракує математичних моделей (причину сказано на сторінці):</source>
        <translation>Reports lacking mathematical models (the reason is given on the page):</translation>
    </message>
    <message>
        <source>Звіт «%1» уже є: дослід «%2» відтоді не змінився.</source>
        <translation>The report “%1” is there already: the experiment “%2” has not changed since.</translation>
    </message>
    <message>
        <source>Використання:
  kvr [ФАЙЛ]                 вікна програми; ФАЙЛ відкривається, як «Відкрити дослід…»
  kvr --check ФАЙЛ...        рядок на кожен дослід, через табуляцію, у стандартний вивід
      -o, --output ФАЙЛ      таблиця у книгу .xlsx (або у ФАЙЛ .tsv)
  kvr --report ТЕКА ФАЙЛ...  звіт PDF на кожен дослід у ТЕЦІ, не замінюючи наявних;
                             дослід, чий звіт там уже є, вдруге не складається
      --checker ІМ&apos;Я         ім&apos;я після «Перевірив:» у кожному звіті
  ФАЙЛ може бути текою: усі її файли *.kvr (і *.KVR) за назвою.
      --files-from СПИСОК    ще й файли зі СПИСКУ, по одному в рядку (- : стандартний ввід)
      --null                 у СПИСКУ назви розділено байтом NUL
      --limits МЕЖІ          межі величин лабораторії для приміток: рядки
                             «ключ найменше найбільше», напр. «spindle_speed 10 4000»
  kvr --help | --version

Кожен дослід розраховується, як у вікнах: «Розрахувати», потім «Визначити параметри»
з часом τд, збереженим у файлі. Числа записуються з десятковим знаком мови системи.

Стан завершення: 0 — усі досліди «ok» (для --report: кожен дістав свій звіт),
1 — не всі, 2 — помилка виклику, списку файлів чи запису таблиці.

Мова вікон, звітів і повідомлень — перша з мов системи (LANGUAGE, LANG), яку має
програма: українська або англійська; інакше українська.
</source>
        <translation>Usage:
  kvr [FILE]                   the windows; FILE opened as “Open experiment…” opens it
  kvr --check FILE...          one tab-separated line per experiment, on standard output
      -o, --output FILE        the table into an .xlsx workbook (or into a .tsv FILE)
  kvr --report FOLDER FILE...  one PDF report per experiment, in FOLDER, replacing none;
                               an experiment whose report is there already gets no second
      --checker NAME           the name after “Checked by:” on every report
  FILE may be a folder: all its *.kvr (and *.KVR) files, by name.
      --files-from LIST        also the files in LIST, one a line (- : standard input)
      --null                   the names in LIST are separated by NUL bytes
      --limits LIMITS          the lab&apos;s ranges of the quantities for the notes: lines
                               “key least greatest”, e.g. “spindle_speed 10 4000”
  kvr --help | --version

Each experiment runs as in the windows: “Calculate”, then “Find parameters”
at the time τ_s saved in the file. Numbers are written with the system&apos;s decimal sign.

Exit status: 0 when every experiment is “ok” (for --report: when each got its report),
1 when not all are, 2 for a usage error, an unreadable list of files or a failed write
of the table.

The windows, reports and messages speak the first of the system&apos;s languages
(LANGUAGE, LANG) the program has: Ukrainian or English; Ukrainian otherwise.
</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Зберегти дослід</source>
        <translation>Save experiment</translation>
    </message>
    <message>
        <source>Досліди KVR (*.kvr)</source>
        <translation>KVR experiments (*.kvr)</translation>
    </message>
    <message>
        <source>дослід</source>
        <translation>the experiment</translation>
    </message>
    <message>
        <source>Зберегти звіт у PDF</source>
        <translation>Save report as PDF</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>звіт у файл</source>
        <translation>the report as</translation>
    </message>
    <message>
        <source>Відкрити дослід</source>
        <translation>Open experiment</translation>
    </message>
    <message>
        <source>Файл «%1» уже існує. Замінити його?</source>
        <translation>The file “%1” already exists. Replace it?</translation>
    </message>
    <message>
        <source>Замінити</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Не замінювати</source>
        <translation>Don&apos;t replace</translation>
    </message>
    <message>
        <source>Не вдалося відкрити дослід «%2»: %3.</source>
        <translation>Could not open the experiment “%2”: %3.</translation>
    </message>
    <message>
        <source>Зберегти зміни в досліді?</source>
        <translation>Save the changes to the experiment?</translation>
    </message>
    <message>
        <source>Зберегти</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не зберігати</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Скасувати</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Друкувати звіт</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>Не вдалося надрукувати звіт на принтері «%1»: %2.</source>
        <translation>Could not print the report on the printer “%1”: %2.</translation>
    </message>
    <message>
        <source>Зберегти таблицю групи</source>
        <translation>Save the group&apos;s table</translation>
    </message>
    <message>
        <source>Книга електронної таблиці (*.xlsx)</source>
        <translation>Spreadsheet workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>таблицю групи у файл</source>
        <translation>the group&apos;s table to the file</translation>
    </message>
    <message>
        <source>Не вдалося зберегти %1 «%2»: %3.</source>
        <translation>Could not save %1 “%2”: %3.</translation>
    </message>
    <message>
        <source>Файл на диску не змінено.</source>
        <translation>The file on the disk is unchanged.</translation>
    </message>
    <message>
        <source>Звіт надіслано на принтер «%1».</source>
        <translation>The report was sent to the printer “%1”.</translation>
    </message>
    <message>
        <source>Звіт надіслано на принтер «%1». Принтер призупинено: звіт чекає в черзі, доки принтер не відновлять.</source>
        <translation>The report was sent to the printer “%1”. The printer is paused: the report waits in its queue until the printer is resumed.</translation>
    </message>
    <message>
        <source>Файл «%1» змінено на диску після того, як це вікно його відкрило чи зберегло. Замінити його?</source>
        <translation>The file “%1” changed on the disk after this window opened or saved it. Replace it?</translation>
    </message>
    <message>
        <source>Файл «%1» змінено на диску після того, як це вікно його відкрило чи зберегло: дослід, який показують поля, у ньому вже не збережено. Зберегти його?</source>
        <translation>The file “%1” changed on the disk after this window opened or saved it: the experiment the fields show is no longer saved in it. Save it?</translation>
    </message>
    <message>
        <source>Поля головного вікна змінено після «Розрахувати», і результати не перераховано. Узяти результати попереднього розрахунку?</source>
        <translation>The main window&apos;s fields changed after “Calculate”, and the results are not recalculated. Take the results of the previous calculation?</translation>
    </message>
    <message>
        <source>Узяти</source>
        <translation>Take</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>поле порожнє: впишіть число</source>
        <translation>the field is empty: type a number</translation>
    </message>
    <message>
        <source>пробіл усередині числа: напишіть %1</source>
        <translation>a space inside the number: write %1</translation>
    </message>
    <message>
        <source>пробіл після числа: зітріть його</source>
        <translation>a space after the number: delete it</translation>
    </message>
    <message>
        <source>не число</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>число завелике для обчислень</source>
        <translation>the number is too large to calculate with</translation>
    </message>
    <message>
        <source>число можна прочитати двояко: напишіть %1 або %2</source>
        <translation>the number can be read two ways: write %1 or %2</translation>
    </message>
    <message>
        <source>нічого не вибрано</source>
        <translation>nothing is chosen</translation>
    </message>
    <message>
        <source>ім&apos;я не вказано</source>
        <translation>no name is given</translation>
    </message>
    <message>
        <source>ім&apos;я лише з пробілів</source>
        <translation>the name is spaces alone</translation>
    </message>
</context>
<context>
    <name>File</name>
    <message>
        <source>значення «%1» поля %2 не є жодним із пунктів його списку</source>
        <translation>the value “%1” of the field %2 is none of the items of its list</translation>
    </message>
    <message>
        <source>ключ «%1» має бути списком із 3 списків по 3 тексти</source>
        <translation>the key “%1” must be a list of 3 lists of 3 texts</translation>
    </message>
    <message>
        <source>ключ «%1» має бути текстом</source>
        <translation>the key “%1” must be a text</translation>
    </message>
    <message>
        <source>ключ «%1» має бути списком із 3 текстів</source>
        <translation>the key “%1” must be a list of 3 texts</translation>
    </message>
    <message>
        <source>бракує ключа «%1»</source>
        <translation>the key “%1” is missing</translation>
    </message>
    <message>
        <source>вміст не є правильним текстом JSON</source>
        <translation>the content is not valid JSON text</translation>
    </message>
    <message>
        <source>це не файл досліду KVR</source>
        <translation>this is not a KVR experiment file</translation>
    </message>
    <message>
        <source>бракує ключа «version»</source>
        <translation>the key “version” is missing</translation>
    </message>
    <message>
        <source>ключ «version» має бути цілим числом від 1</source>
        <translation>the key “version” must be a whole number from 1</translation>
    </message>
    <message>
        <source>файл записано новішою програмою: версія формату вища за %1</source>
        <translation>the file was written by a newer program: its format version is above %1</translation>
    </message>
    <message>
        <source>на диску забракло місця; звільніть місце або виберіть інший диск</source>
        <translation>the disk is full; free some space or choose another disk</translation>
    </message>
    <message>
        <source>диск доступний лише для читання; виберіть інший диск</source>
        <translation>the disk is read-only; choose another disk</translation>
    </message>
    <message>
        <source>немає дозволу на запис у цей файл чи папку; виберіть іншу папку</source>
        <translation>there is no permission to write this file or folder; choose another folder</translation>
    </message>
    <message>
        <source>немає дозволу на читання цього файлу</source>
        <translation>there is no permission to read this file</translation>
    </message>
    <message>
        <source>такої папки немає; виберіть наявну папку</source>
        <translation>there is no such folder; choose an existing folder</translation>
    </message>
    <message>
        <source>такого файлу немає; перевірте назву і папку</source>
        <translation>there is no such file; check its name and folder</translation>
    </message>
    <message>
        <source>це папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>символьні посилання на цей файл утворюють замкнене коло</source>
        <translation>the symbolic links to this file form a loop</translation>
    </message>
    <message>
        <source>це не звичайний файл, а канал чи пристрій</source>
        <translation>this is not an ordinary file but a pipe or a device</translation>
    </message>
    <message>
        <source>файл більший за 1 МіБ</source>
        <translation>the file is larger than 1 MiB</translation>
    </message>
    <message>
        <source>системна помилка %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>без коду</source>
        <translation>without a code</translation>
    </message>
    <message>
        <source>текст поля «%1» довший за 1 000 символів</source>
        <translation>the text of the field “%1” is longer than 1,000 characters</translation>
    </message>
    <message>
        <source>назва файлу задовга; виберіть коротшу</source>
        <translation>the file name is too long; choose a shorter one</translation>
    </message>
    <message>
        <source>файл порожній</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>ключ «decimal_sign» має бути «,» або «.»</source>
        <translation>the key “decimal_sign” must be “,” or “.”</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Вихідні дані</source>
        <translation>Initial data</translation>
    </message>
    <message>
        <source>Група верстатів: токарно-гвинторізні
Вид оброблення: обточування
</source>
        <translation>Machine group: screw-cutting lathes
Operation: turning
</translation>
    </message>
    <message>
        <source>Інструмент: різець прохідний
Матеріал інструмента: ВК8</source>
        <translation>Tool: straight turning tool
Tool material: VK8</translation>
    </message>
    <message>
        <source>Заготовка</source>
        <translation>Workpiece</translation>
    </message>
    <message>
        <source>Матеріал:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Геометричні параметри інструмента</source>
        <translation>Tool geometry</translation>
    </message>
    <message>
        <source>Режим оброблення</source>
        <translation>Cutting conditions</translation>
    </message>
    <message>
        <source>мм/об.</source>
        <translation>mm/rev</translation>
    </message>
    <message>
        <source>об./хв.</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Допустиме зношування по задній поверхні</source>
        <translation>Allowable flank wear</translation>
    </message>
    <message>
        <source>з</source>
        <translation>f</translation>
    </message>
    <message>
        <source>мкм</source>
        <translation>µm</translation>
    </message>
    <message>
        <source>Результати вимірювань</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Інструмент № 1</source>
        <translation>Cutter No. 1</translation>
    </message>
    <message>
        <source>Інструмент № 2</source>
        <translation>Cutter No. 2</translation>
    </message>
    <message>
        <source>Інструмент № 3</source>
        <translation>Cutter No. 3</translation>
    </message>
    <message>
        <source>Ідентифікаційні дані користувача програми</source>
        <translation>Student: surname and initials</translation>
    </message>
    <message>
        <source>Розрахувати</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Результати розрахунків</source>
        <translation>Calculation results</translation>
    </message>
    <message>
        <source>Графіки</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>&amp;Допомога</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>хв.</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Виконав: </source>
        <translation>Done by: </translation>
    </message>
    <message>
        <source>Перевірив: Тарвилко Н. Г. </source>
        <translation>Checked by: Tarvylko N. H. </translation>
    </message>
    <message>
        <source>Інструмент №1</source>
        <translation>Cutter No. 1</translation>
    </message>
    <message>
        <source>р11</source>
        <translation>d11</translation>
    </message>
    <message>
        <source>р12</source>
        <translation>d12</translation>
    </message>
    <message>
        <source>р13</source>
        <translation>d13</translation>
    </message>
    <message>
        <source>Інструмент №2</source>
        <translation>Cutter No. 2</translation>
    </message>
    <message>
        <source>р21</source>
        <translation>d21</translation>
    </message>
    <message>
        <source>р22</source>
        <translation>d22</translation>
    </message>
    <message>
        <source>р23</source>
        <translation>d23</translation>
    </message>
    <message>
        <source>Інструмент №3</source>
        <translation>Cutter No. 3</translation>
    </message>
    <message>
        <source>р31</source>
        <translation>d31</translation>
    </message>
    <message>
        <source>р32</source>
        <translation>d32</translation>
    </message>
    <message>
        <source>р33</source>
        <translation>d33</translation>
    </message>
    <message>
        <source>Математичні моделі</source>
        <translation>Mathematical models</translation>
    </message>
    <message>
        <source>Для визначення невідомих параметрів математичних моделей 
введіть довільне значення тривалості роботи інструмента</source>
        <translation>To find the unknown parameters of the mathematical models, 
enter a running time of the cutters of your choice</translation>
    </message>
    <message>
        <source>д</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Залежність величини розмірного зношування від швидкості різання</source>
        <translation>Dimensional wear against cutting speed</translation>
    </message>
    <message>
        <source>p</source>
        <translation>d</translation>
    </message>
    <message>
        <source>Залежність періоду стійкості інструмента від швидкості різання</source>
        <translation>Tool life against cutting speed</translation>
    </message>
    <message>
        <source>р</source>
        <translation>c</translation>
    </message>
    <message>
        <source>Визначити параметри</source>
        <translation>Find parameters</translation>
    </message>
    <message>
        <source>Допустиме розмірне зношування</source>
        <translation>Allowable dimensional wear</translation>
    </message>
    <message>
        <source>Добре</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>з11</source>
        <translation>f11</translation>
    </message>
    <message>
        <source>з12</source>
        <translation>f12</translation>
    </message>
    <message>
        <source>з13</source>
        <translation>f13</translation>
    </message>
    <message>
        <source>з21</source>
        <translation>f21</translation>
    </message>
    <message>
        <source>з22</source>
        <translation>f22</translation>
    </message>
    <message>
        <source>з23</source>
        <translation>f23</translation>
    </message>
    <message>
        <source>з31</source>
        <translation>f31</translation>
    </message>
    <message>
        <source>з32</source>
        <translation>f32</translation>
    </message>
    <message>
        <source>з33</source>
        <translation>f33</translation>
    </message>
    <message>
        <source>0,25</source>
        <translation>0.25</translation>
    </message>
    <message>
        <source>0,1</source>
        <translation>0.1</translation>
    </message>
    <message>
        <source>1,5</source>
        <translation>1.5</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>Час експлуатації інструмента   , хв.</source>
        <translation>Running time of the cutter τ, min</translation>
    </message>
    <message>
        <source>Розмірне зношування hр, мкм</source>
        <translation>Dimensional wear h_d, µm</translation>
    </message>
    <message>
        <source>Швидкість різання V, м/хв.</source>
        <translation>Cutting speed V, m/min</translation>
    </message>
    <message>
        <source>Період стійкості Т, хв.</source>
        <translation>Tool life T, min</translation>
    </message>
    <message>
        <source>τ</source>
        <translation> </translation>
    </message>
</context>
<context>
    <name>Group</name>
    <message>
        <source>Тека з дослідами групи</source>
        <translation>Folder with the group&apos;s experiments</translation>
    </message>
    <message>
        <source>Скасувати</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Таблицю групи збережено у файл «%1».
%2.</source>
        <translation>The group&apos;s table was saved to the file “%1”.
%2.</translation>
    </message>
    <message>
        <source>Відкрити таблицю?</source>
        <translation>Open the table?</translation>
    </message>
    <message>
        <source>Відкрити</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Закрити</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Не вдалося відкрити «%1»: у системі немає програми для електронних таблиць.</source>
        <translation>Could not open “%1”: the system has no spreadsheet program.</translation>
    </message>
    <message>
        <source>%1 звіти</source>
        <translation>%1 reports</translation>
    </message>
    <message>
        <source>Вибрати…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Тека звітів</source>
        <translation>Folder of the reports</translation>
    </message>
    <message>
        <source>Скласти ще й звіт PDF кожного досліду</source>
        <translation>Also write each experiment&apos;s PDF report</translation>
    </message>
    <message>
        <source>Тека звітів:</source>
        <translation>Folder of the reports:</translation>
    </message>
    <message>
        <source>Перевірив:</source>
        <translation>Checked by:</translation>
    </message>
    <message>
        <source>Перевірити</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Файли дослідів (*.kvr)</source>
        <translation>Experiment files (*.kvr)</translation>
    </message>
    <message>
        <source>%1 з %2 — %3</source>
        <translation>%1 of %2 — %3</translation>
    </message>
    <message>
        <source>Теку звітів «%1» не створити.</source>
        <translation>The folder of the reports “%1” cannot be made.</translation>
    </message>
    <message>
        <source>Звіти — у теці «%1»: нових %2, уже наявних (дослід не змінився) %3; без математичних моделей %4 (причину сказано на сторінці).</source>
        <translation>Reports in the folder “%1”: %2 new, %3 there already (the experiment has not changed); %4 without mathematical models (the reason is given on the page).</translation>
    </message>
    <message>
        <source>Звітів не складено: %1 (чому — див. деталі).</source>
        <translation>Reports not written: %1 (why: see the details).</translation>
    </message>
    <message>
        <source>вбудовані</source>
        <translation>built-in</translation>
    </message>
    <message>
        <source>Межі величин для приміток:</source>
        <translation>Limits of the quantities for the notes:</translation>
    </message>
    <message>
        <source>Межі величин</source>
        <translation>Limits of the quantities</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>          Програма призначена для дослідження впливу технологіч-
них факторів на зношування різального інструмента, а саме - 
впливу діаметра заготовки, режиму оброблення, геометричних
параметрів прохідного різця на його зношування.
          Вихідними даними для розрахунків є: матеріал та діаметр 
заготовки, режим оброблення та значення допустимого 
зношування по задній поверхні інструменту. Допустиме зношу-
вання по задній поверхні надається викладачем.
          Результати вимірювання мають містити тривалість роботи 
інструмента та значення зношування по задній поверхні після 
кожного відповідного часу його роботи.
          Ідентифікаційні дані користувача програми повинні містити 
прізвище та ініціали студента. Ці дані необхідні для звіту по 
виконанню даної роботи.
          Результати розрахунків містять швидкість різання, загаль-
ну тривалість роботи та значення розмірного зношування інстру-
мента після кожного проміжку його роботи.
          Для отримання невідомих параметрів математичних моде-
лей необхідно задати довільше значення тривалості роботи 
інструмента (значення довільного часу оброблення не повинно 
виходити за межі часу проведення експерименту на 15%).
          Після визначення невідомих параматрів математичних мо-
делей можна побудувати графіки залежностей: розмірного 
зношування від часу оброблення, розмірного зношування від
швидкості різання, періоду стійкості інструмента від швидкості 
різання.</source>
        <translation>          The program is for studying how technological factors affect the wear of a cutting tool, namely how the workpiece diameter, the cutting conditions and the geometry of a straight turning tool affect its wear.
          The inputs of the calculation are the workpiece material and diameter, the cutting conditions and the allowable flank wear of the tool. The allowable flank wear is given by the teacher.
          The measurements are the running time of each cutter and its flank wear after each of its running times.
          The user identification holds the student&apos;s surname and initials. They are needed for the report on this work.
          The calculation results are the cutting speed, the total running time and the dimensional wear of each cutter after each interval of its work.
          To find the unknown parameters of the mathematical models, enter a running time of the cutters of your choice (it must not lie more than 15% outside the time of the experiment).
          Once the parameters of the models are found, the graphs can be drawn: dimensional wear against running time, dimensional wear against cutting speed, and tool life against cutting speed.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>рядок %1: </source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>невідома величина «%1»</source>
        <translation>unknown quantity “%1”</translation>
    </message>
    <message>
        <source>після назви мають стояти два числа, менше і більше</source>
        <translation>the name must be followed by two numbers, the smaller first</translation>
    </message>
    <message>
        <source>межі «%1» не прочитати: %2</source>
        <translation>cannot read the limits “%1”: %2</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>сталь 10</source>
        <translation>steel 10</translation>
    </message>
    <message>
        <source>сталь 20</source>
        <translation>steel 20</translation>
    </message>
    <message>
        <source>сталь 25</source>
        <translation>steel 25</translation>
    </message>
    <message>
        <source>сталь 30</source>
        <translation>steel 30</translation>
    </message>
    <message>
        <source>сталь 35</source>
        <translation>steel 35</translation>
    </message>
    <message>
        <source>сталь 40</source>
        <translation>steel 40</translation>
    </message>
    <message>
        <source>сталь 45</source>
        <translation>steel 45</translation>
    </message>
    <message>
        <source>сталь 50</source>
        <translation>steel 50</translation>
    </message>
    <message>
        <source>сталь 55</source>
        <translation>steel 55</translation>
    </message>
    <message>
        <source>сталь 60</source>
        <translation>steel 60</translation>
    </message>
    <message>
        <source>сталь 20Г</source>
        <translation>steel 20G</translation>
    </message>
    <message>
        <source>сталь 30Г</source>
        <translation>steel 30G</translation>
    </message>
    <message>
        <source>сталь 50Г</source>
        <translation>steel 50G</translation>
    </message>
    <message>
        <source>сталь 20Х</source>
        <translation>steel 20Kh</translation>
    </message>
    <message>
        <source>сталь 40Х</source>
        <translation>steel 40Kh</translation>
    </message>
    <message>
        <source>сталь 45Х</source>
        <translation>steel 45Kh</translation>
    </message>
    <message>
        <source>сталь 30ХМ</source>
        <translation>steel 30KhM</translation>
    </message>
    <message>
        <source>сталь 35ХМ</source>
        <translation>steel 35KhM</translation>
    </message>
    <message>
        <source>сталь 40ХН</source>
        <translation>steel 40KhN</translation>
    </message>
    <message>
        <source>сталь 50ХН</source>
        <translation>steel 50KhN</translation>
    </message>
    <message>
        <source>сталь 40ХФА</source>
        <translation>steel 40KhFA</translation>
    </message>
    <message>
        <source>сталь 38ХМЮА</source>
        <translation>steel 38KhMYuA</translation>
    </message>
    <message>
        <source>сталь 12ХН3А</source>
        <translation>steel 12KhN3A</translation>
    </message>
    <message>
        <source>сталь 20ХН3А</source>
        <translation>steel 20KhN3A</translation>
    </message>
    <message>
        <source>сталь 30ХН3А</source>
        <translation>steel 30KhN3A</translation>
    </message>
    <message>
        <source>сталь 40ХНМА</source>
        <translation>steel 40KhNMA</translation>
    </message>
    <message>
        <source>сталь 30ХГСА</source>
        <translation>steel 30KhGSA</translation>
    </message>
    <message>
        <source>сталь 12Х18Н9Т</source>
        <translation>steel 12Kh18N9T</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Копіювати графік</source>
        <translation>Copy graph</translation>
    </message>
    <message>
        <source>Копіювати всі графіки</source>
        <translation>Copy all graphs</translation>
    </message>
    <message>
        <source>Скинути масштаб</source>
        <translation>Reset zoom</translation>
    </message>
    <message>
        <source>Відкрити дослід…</source>
        <translation>Open experiment…</translation>
    </message>
    <message>
        <source>Зберегти дослід…</source>
        <translation>Save experiment…</translation>
    </message>
    <message>
        <source>Друкувати звіт…</source>
        <translation>Print report…</translation>
    </message>
    <message>
        <source>Зберегти звіт у PDF…</source>
        <translation>Save report as PDF…</translation>
    </message>
    <message>
        <source>Копіювати результати</source>
        <translation>Copy results</translation>
    </message>
    <message>
        <source>Перевірити групу…</source>
        <translation>Check a group…</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>зношування інструмента %1 спадає: %2 = %3, %4 = %5</source>
        <translation>the wear of cutter %1 falls: %2 = %3, %4 = %5</translation>
    </message>
    <message>
        <source>%1 = %2: має бути більше нуля</source>
        <translation>%1 = %2: must be greater than zero</translation>
    </message>
    <message>
        <source>%1 = %2 прочитано як %3; якщо мали на увазі %4, напишіть %4</source>
        <translation>%1 = %2 was read as %3; if %4 was meant, write %4</translation>
    </message>
    <message>
        <source>%1: однакові частоти обертання</source>
        <translation>%1: equal spindle speeds</translation>
    </message>
    <message>
        <source>лінія зношування інструмента %1 не зростає: %2</source>
        <translation>the wear line of cutter %1 does not rise: %2</translation>
    </message>
    <message>
        <source>k = %1 ≤ 0: зношування мало б зростати зі швидкістю</source>
        <translation>k = %1 ≤ 0: wear should grow with speed</translation>
    </message>
    <message>
        <source>z = %1 ≥ 0: стійкість мала б спадати зі швидкістю</source>
        <translation>z = %1 ≥ 0: tool life should fall with speed</translation>
    </message>
    <message>
        <source>те саме ім&apos;я, що в «%1»</source>
        <translation>the same name as in “%1”</translation>
    </message>
    <message>
        <source>вимірювання — з прикладу, яким починає програма</source>
        <translation>the measurements are the worked example the program starts with</translation>
    </message>
    <message>
        <source>ті самі вимірювання, що в «%1»</source>
        <translation>the same measurements as in “%1”</translation>
    </message>
    <message>
        <source>%1 = %2 %3: поза межами %4–%5</source>
        <translation>%1 = %2 %3: outside %4–%5</translation>
    </message>
    <message>
        <source>усе зношування менше за 1 мкм, а %1 = %2 мкм: схоже, його записано в міліметрах (%3 = %4 мм — це %5 мкм)</source>
        <translation>all wear is below 1 µm while %1 = %2 µm: it looks written in millimetres (%3 = %4 mm is %5 µm)</translation>
    </message>
    <message>
        <source>поля головного вікна змінено після «Розрахувати»: результати не перераховано</source>
        <translation>the main window&apos;s fields changed after “Calculate”: the results are not recalculated</translation>
    </message>
    <message>
        <source>Зверніть увагу: %1</source>
        <translation>Please note: %1</translation>
    </message>
    <message>
        <source>ім&apos;я містить керівні символи</source>
        <translation>the name holds control characters</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>:/wear_axis_title.png</source>
        <translation>:/wear_axis_title_en.png</translation>
    </message>
    <message>
        <source>:/life_axis_title.png</source>
        <translation>:/life_axis_title_en.png</translation>
    </message>
    <message>
        <source>:/cutter.png</source>
        <translation>:/cutter_en.png</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>принтер не приймає завдань</source>
        <translation>the printer does not accept jobs</translation>
    </message>
    <message>
        <source>такого принтера немає</source>
        <translation>there is no such printer</translation>
    </message>
    <message>
        <source>сервер друку відповів: %1</source>
        <translation>the print server answered: %1</translation>
    </message>
    <message>
        <source>сервер друку не відповідає</source>
        <translation>the print server does not answer</translation>
    </message>
    <message>
        <source>зв&apos;язок із сервером друку обірвався посеред завдання</source>
        <translation>the connection to the print server broke off in the middle of the job</translation>
    </message>
</context>
<context>
    <name>Quantity</name>
    <message>
        <source>Прізвище та ініціали студента</source>
        <translation>Student&apos;s surname and initials</translation>
    </message>
    <message>
        <source>ім&apos;я користувача</source>
        <translation>the student&apos;s name</translation>
    </message>
    <message>
        <source>Матеріал заготовки</source>
        <translation>Workpiece material</translation>
    </message>
    <message>
        <source>матеріал</source>
        <translation>material</translation>
    </message>
    <message>
        <source>градусів</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>Головний кут у плані %3</source>
        <translation>Major cutting edge angle %3</translation>
    </message>
    <message>
        <source>Допоміжний кут у плані %3</source>
        <translation>Minor cutting edge angle %3</translation>
    </message>
    <message>
        <source>Задній кут %3</source>
        <translation>Clearance angle %3</translation>
    </message>
    <message>
        <source>Передній кут %3</source>
        <translation>Rake angle %3</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Діаметр заготовки %3</source>
        <translation>Workpiece diameter %3</translation>
    </message>
    <message>
        <source>Глибина різання %3</source>
        <translation>Depth of cut %3</translation>
    </message>
    <message>
        <source>мм/об.</source>
        <translation>mm/rev</translation>
    </message>
    <message>
        <source>Подача %3</source>
        <translation>Feed %3</translation>
    </message>
    <message>
        <source>об./хв.</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Частота обертання %3, інструмент %1</source>
        <translation>Spindle speed %3, cutter %1</translation>
    </message>
    <message>
        <source>[hз]</source>
        <translation>[h_f]</translation>
    </message>
    <message>
        <source>мкм</source>
        <translation>µm</translation>
    </message>
    <message>
        <source>Допустиме зношування по задній поверхні</source>
        <translation>Allowable flank wear</translation>
    </message>
    <message>
        <source>хв.</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Тривалість %2-го інтервалу, інструмент %1</source>
        <translation>Duration of interval %2, cutter %1</translation>
    </message>
    <message>
        <source>hз</source>
        <translation>h_f</translation>
    </message>
    <message>
        <source>Зношування по задній поверхні після %2-го інтервалу, інструмент %1</source>
        <translation>Flank wear after interval %2, cutter %1</translation>
    </message>
    <message>
        <source>τд</source>
        <translation>τ_s</translation>
    </message>
    <message>
        <source>Довільна тривалість роботи інструмента %3</source>
        <translation>Selected running time of the cutters %3</translation>
    </message>
    <message>
        <source>м/хв.</source>
        <translation>m/min</translation>
    </message>
    <message>
        <source>Швидкість різання інструмента %1</source>
        <translation>Cutting speed of cutter %1</translation>
    </message>
    <message>
        <source>Загальна тривалість роботи інструмента %1</source>
        <translation>Total running time of cutter %1</translation>
    </message>
    <message>
        <source>hр</source>
        <translation>h_d</translation>
    </message>
    <message>
        <source>Розмірне зношування інструмента %1 після %2-го інтервалу</source>
        <translation>Dimensional wear of cutter %1 after interval %2</translation>
    </message>
    <message>
        <source>[hр]</source>
        <translation>[h_d]</translation>
    </message>
    <message>
        <source>Допустиме розмірне зношування</source>
        <translation>Allowable dimensional wear</translation>
    </message>
    <message>
        <source>Лінія зношування</source>
        <translation>Wear line</translation>
    </message>
    <message>
        <source>Коефіцієнт моделі зношування</source>
        <translation>Wear model coefficient</translation>
    </message>
    <message>
        <source>Показник степеня моделі зношування</source>
        <translation>Wear model exponent</translation>
    </message>
    <message>
        <source>Коефіцієнт моделі стійкості</source>
        <translation>Tool life model coefficient</translation>
    </message>
    <message>
        <source>Показник степеня моделі стійкості</source>
        <translation>Tool life model exponent</translation>
    </message>
    <message>
        <source>Період стійкості</source>
        <translation>Tool life</translation>
    </message>
    <message>
        <source>Tр</source>
        <translation>T_c</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Розмірне зношування, інструмент 1</source>
        <translation>Dimensional wear, cutter 1</translation>
    </message>
    <message>
        <source>Розмірне зношування, інструмент 2</source>
        <translation>Dimensional wear, cutter 2</translation>
    </message>
    <message>
        <source>Розмірне зношування, інструмент 3</source>
        <translation>Dimensional wear, cutter 3</translation>
    </message>
    <message>
        <source>Лінія зношування V1, інструмент 1</source>
        <translation>Wear line V1, cutter 1</translation>
    </message>
    <message>
        <source>Лінія зношування V2, інструмент 2</source>
        <translation>Wear line V2, cutter 2</translation>
    </message>
    <message>
        <source>Лінія зношування V3, інструмент 3</source>
        <translation>Wear line V3, cutter 3</translation>
    </message>
    <message>
        <source>Розмірне зношування у вибраний час τд</source>
        <translation>Dimensional wear at the selected time τ_s</translation>
    </message>
    <message>
        <source>Модель зношування hр = C·V^k</source>
        <translation>Wear model h_d = C·V^k</translation>
    </message>
    <message>
        <source>Період стійкості інструмента</source>
        <translation>Tool life</translation>
    </message>
    <message>
        <source>Модель стійкості Tр = C·V^z</source>
        <translation>Tool life model T_c = C·V^z</translation>
    </message>
    <message>
        <source>Збільшити: протягніть лівою кнопкою вправо-вниз або натисніть +.
Зменшити: натисніть -.
Скасувати збільшення: протягніть вліво-вгору, Home або Esc.
Зсунути: протягніть правою кнопкою або стрілками.
Прокрутити по вертикалі: коліщатко миші.
Копіювати: права кнопка без руху або Ctrl+C.</source>
        <translation>Zoom in: drag right and down with the left button, or press +.
Zoom out: press -.
Undo the zoom: drag left and up, Home or Esc.
Pan: drag with the right button, or the arrow keys.
Scroll vertically: the mouse wheel.
Copy: right-click without moving, or Ctrl+C.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Залежність величини розмірного зношування від швидкості різання</source>
        <translation>Dimensional wear against cutting speed</translation>
    </message>
    <message>
        <source>hр</source>
        <translation>h_d</translation>
    </message>
    <message>
        <source>Залежність періоду стійкості інструмента від швидкості різання</source>
        <translation>Tool life against cutting speed</translation>
    </message>
    <message>
        <source>Tр</source>
        <translation>T_c</translation>
    </message>
    <message>
        <source>Виконав: </source>
        <translation>Done by: </translation>
    </message>
    <message>
        <source>Вихідні дані</source>
        <translation>Initial data</translation>
    </message>
    <message>
        <source>Результати розрахунків</source>
        <translation>Calculation results</translation>
    </message>
    <message>
        <source>Математичні моделі</source>
        <translation>Mathematical models</translation>
    </message>
    <message>
        <source>Графіки залежностей</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Звіт: </source>
        <translation>Report: </translation>
    </message>
    <message>
        <source>hр = C·V^k</source>
        <translation>h_d = C·V^k</translation>
    </message>
    <message>
        <source>Tр = C·V^z</source>
        <translation>T_c = C·V^z</translation>
    </message>
    <message>
        <source>Модель</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Показник степеня</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Інструмент</source>
        <translation>Cutter</translation>
    </message>
    <message>
        <source>Виконав</source>
        <translation>Done by</translation>
    </message>
    <message>
        <source>Не всі моделі визначено: %1</source>
        <translation>Not every model was found: %1</translation>
    </message>
    <message>
        <source>Моделі не визначено: %1</source>
        <translation>The models were not found: %1</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source> м/хв.</source>
        <translation> m/min</translation>
    </message>
    <message>
        <source> хв.</source>
        <translation> min</translation>
    </message>
    <message>
        <source> мкм</source>
        <translation> µm</translation>
    </message>
    <message>
        <source>Мінімальне значення допустимого зношування по задній поверхні %1 мкм.</source>
        <translation>The least allowable flank wear is %1 µm.</translation>
    </message>
    <message>
        <source>Значення довільного часу оброблення не повинно виходити</source>
        <translation>The selected running time must not lie more than 15%</translation>
    </message>
    <message>
        <source>за межі часу проведення експерименту на 15% (%1 - %2) хв.</source>
        <translation>outside the time of the experiment (%1 - %2) min.</translation>
    </message>
    <message>
        <source>Виконав: </source>
        <translation>Done by: </translation>
    </message>
    <message>
        <source>Число «%1» можна прочитати двояко.</source>
        <translation>The number “%1” can be read two ways.</translation>
    </message>
    <message>
        <source>Напишіть %2 або %3.</source>
        <translation>Write %2 or %3.</translation>
    </message>
    <message>
        <source>Тривалості інструмента %1 нульові.</source>
        <translation>The running times of cutter %1 are zero.</translation>
    </message>
    <message>
        <source>Тривалості інструмента %1 після першої нульові: лінію зношування не визначити.</source>
        <translation>The running times of cutter %1 after the first are zero: the wear line cannot be found.</translation>
    </message>
    <message>
        <source>Знос інструмента %1 не зростає з часом (%2; %3; %4): лінію зношування не визначити.</source>
        <translation>The wear of cutter %1 does not grow with time (%2; %3; %4): the wear line cannot be used.</translation>
    </message>
    <message>
        <source>Лінія зношування інструмента %1 не вміщується в число: перевірте його тривалості τ і знос hз.</source>
        <translation>The wear line of cutter %1 does not fit in a number: check its running times τ and wear h_f.</translation>
    </message>
    <message>
        <source>Діаметр заготовки D = %1 не більший за нуль: швидкості різання мають бути додатними.</source>
        <translation>The workpiece diameter D = %1 is not above zero: the cutting speeds must be positive.</translation>
    </message>
    <message>
        <source>Частота обертання n%1 = %2 не більша за нуль: швидкість різання має бути додатною.</source>
        <translation>The spindle speed n%1 = %2 is not above zero: the cutting speed must be positive.</translation>
    </message>
    <message>
        <source>Швидкість різання інструмента %1 менша за найменше число: збільште D або n%1.</source>
        <translation>The cutting speed of cutter %1 is below the smallest number: increase D or n%1.</translation>
    </message>
    <message>
        <source>Швидкості різання завеликі для моделі: зменште D або n1, n2, n3.</source>
        <translation>The cutting speeds are too large for the model: decrease D or n1, n2, n3.</translation>
    </message>
    <message>
        <source>Швидкості різання замалі для моделі: збільште D або n1, n2, n3.</source>
        <translation>The cutting speeds are too small for the model: increase D or n1, n2, n3.</translation>
    </message>
    <message>
        <source>Знос інструмента %1 за τд = %2 хв. не більший за нуль: візьміть більший τд.</source>
        <translation>The wear of cutter %1 at τ_s = %2 min is not above zero: choose a larger τ_s.</translation>
    </message>
    <message>
        <source>Знос інструментів за τд = %1 хв. завеликий або замалий для моделі: перевірте hз і τд.</source>
        <translation>The wear of the cutters at τ_s = %1 min is too large or too small for the model: check h_f and τ_s.</translation>
    </message>
    <message>
        <source>Стійкість інструмента %1 не більша за нуль: його початковий знос сягає допустимого; збільште [hз].</source>
        <translation>The tool life of cutter %1 is not above zero: its initial wear reaches the allowable wear; increase [h_f].</translation>
    </message>
    <message>
        <source>Стійкість інструментів завелика або замала для моделі: перевірте [hз], τ і hз.</source>
        <translation>The tool lives are too large or too small for the model: check [h_f], τ and h_f.</translation>
    </message>
    <message>
        <source>Швидкість різання інструмента %1 не вміщується в число: зменште D або n%1.</source>
        <translation>The cutting speed of cutter %1 does not fit in a number: decrease D or n%1.</translation>
    </message>
    <message>
        <source>Знос інструмента %1 за τд = %2 хв. не вміщується в число: візьміть менший τд.</source>
        <translation>The wear of cutter %1 at τ_s = %2 min does not fit in a number: choose a smaller τ_s.</translation>
    </message>
    <message>
        <source>Стійкість інструмента %1 не вміщується в число: його знос майже не зростає; перевірте τ і hз.</source>
        <translation>The tool life of cutter %1 does not fit in a number: its wear hardly grows; check τ and h_f.</translation>
    </message>
    <message>
        <source>Швидкості різання однакові: задайте різні n1, n2, n3, інакше моделі не визначити.</source>
        <translation>The cutting speeds are equal: give different n1, n2, n3, or the models cannot be found.</translation>
    </message>
    <message>
        <source>Ділення на нуль під час обчислень.</source>
        <translation>Floating point division by zero.</translation>
    </message>
    <message>
        <source>Переповнення під час обчислень.</source>
        <translation>Floating point overflow.</translation>
    </message>
    <message>
        <source>Недопустима операція з дійсними числами.</source>
        <translation>Invalid floating point operation.</translation>
    </message>
    <message>
        <source>Кути φ, φ1, α, γ не дають розмірного зношування: виберіть інші кути.</source>
        <translation>The angles φ, φ1, α, γ give no dimensional wear: choose other angles.</translation>
    </message>
    <message>
        <source>Допустимий знос [hз] не вміщується в число: зменште [hз].</source>
        <translation>The allowable wear [h_f] does not fit in a number: decrease [h_f].</translation>
    </message>
    <message>
        <source>Розмірне зношування інструмента %1 не вміщується в число: зменште його знос hз.</source>
        <translation>The dimensional wear of cutter %1 does not fit in a number: decrease its wear h_f.</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Розрахувати</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Результати розрахунків</source>
        <translation>Calculation results</translation>
    </message>
    <message>
        <source>Графіки</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Допомога</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Визначити параметри</source>
        <translation>Find parameters</translation>
    </message>
    <message>
        <source>Розмірне зношування hр</source>
        <translation>Dimensional wear h_d</translation>
    </message>
    <message>
        <source>Період стійкості Tр</source>
        <translation>Tool life T_c</translation>
    </message>
    <message>
        <source> дорівнює </source>
        <translation> equals </translation>
    </message>
    <message>
        <source>, помножене на V у степені </source>
        <translation>, times V to the power </translation>
    </message>
    <message>
        <source>Графік розмірного зношування hр, мкм (вертикальна вісь) від часу експлуатації інструмента τ, хв. (горизонтальна вісь)</source>
        <translation>Graph of dimensional wear h_d, µm (vertical axis) against the cutters&apos; running time τ, min (horizontal axis)</translation>
    </message>
    <message>
        <source>Виміряне зношування трьох інструментів точками і лінії зношування V1 (червона), V2 (синя), V3 (зелена)</source>
        <translation>The measured wear of three cutters as points and the wear lines V1 (red), V2 (blue), V3 (green)</translation>
    </message>
    <message>
        <source>Графік розмірного зношування hр, мкм (вертикальна вісь) від швидкості різання V, м/хв. (горизонтальна вісь)</source>
        <translation>Graph of dimensional wear h_d, µm (vertical axis) against cutting speed V, m/min (horizontal axis)</translation>
    </message>
    <message>
        <source>Зношування трьох інструментів у вибраний час точками і крива моделі зношування</source>
        <translation>The wear of three cutters at the selected time as points and the wear model&apos;s curve</translation>
    </message>
    <message>
        <source>Графік періоду стійкості T, хв. (вертикальна вісь) від швидкості різання V, м/хв. (горизонтальна вісь)</source>
        <translation>Graph of tool life T, min (vertical axis) against cutting speed V, m/min (horizontal axis)</translation>
    </message>
    <message>
        <source>Період стійкості трьох інструментів точками і крива моделі стійкості</source>
        <translation>The tool life of three cutters as points and the tool life model&apos;s curve</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Графіки залежностей</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Допомога</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Результати розрахунків</source>
        <translation>Calculation results</translation>
    </message>
    <message>
        <source>Увага!</source>
        <translation>Warning</translation>
    </message>
</context>
</TS>
