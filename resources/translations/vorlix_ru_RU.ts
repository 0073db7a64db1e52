<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>FilmExport</name>
    <message>
        <source>--size must be at most %1</source>
        <translation>--size должен быть не больше %1</translation>
    </message>
    <message>
        <source>--size must be even and at most %1</source>
        <translation>--size должен быть чётным и не больше %1</translation>
    </message>
    <message>
        <source>--fps must be at most %1 for this format</source>
        <translation>--fps для этого формата должен быть не больше %1</translation>
    </message>
    <message>
        <source>this FFmpeg has no encoder for %1 films</source>
        <translation>в этой сборке FFmpeg нет кодировщика для фильмов %1</translation>
    </message>
    <message>
        <source>no OpenGL context for the view: run it on a display</source>
        <translation>нет контекста OpenGL для вида: запустите программу на дисплее</translation>
    </message>
    <message>
        <source>The motion diverged while filming: lower the speed or raise Iterations/frame.</source>
        <translation>Движение разошлось во время съёмки: уменьшите скорость или увеличьте число итераций на кадр.</translation>
    </message>
    <message>
        <source>The view could not be drawn off screen.</source>
        <translation>Не удалось нарисовать вид вне экрана.</translation>
    </message>
</context>
<context>
    <name>GLWidget</name>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Can&apos;t open </source>
        <translation>Не могу открыть </translation>
    </message>
    <message>
        <source>Can&apos;t write to </source>
        <translation>Не могу писать в </translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>L, angular momentum</source>
        <translation>L, момент импульса</translation>
    </message>
    <message>
        <source>ω, angular velocity</source>
        <translation>ω, угловая скорость</translation>
    </message>
    <message>
        <source>polhode</source>
        <translation>полодия</translation>
    </message>
    <message>
        <source>herpolhode</source>
        <translation>герполодия</translation>
    </message>
    <message>
        <source>invariable plane</source>
        <translation>неизменная плоскость</translation>
    </message>
    <message>
        <source>polhode family</source>
        <translation>семейство полодий</translation>
    </message>
    <message>
        <source>separatrix</source>
        <translation>сепаратриса</translation>
    </message>
    <message>
        <source>body cone</source>
        <translation>подвижный аксоид</translation>
    </message>
    <message>
        <source>space cone</source>
        <translation>неподвижный аксоид</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Нечего экспортировать</translation>
    </message>
    <message>
        <source>Export lines as OBJ</source>
        <translation>Экспорт линий в OBJ</translation>
    </message>
    <message>
        <source>3D Objects *.obj (*.obj);;All files (*.*)</source>
        <translation>3D объекты *.obj (*.obj);;Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Export options</source>
        <translation>Настройки экспорта</translation>
    </message>
    <message>
        <source>Width in pixels:</source>
        <translation>Ширина в пикселях:</translation>
    </message>
    <message>
        <source>Export as image</source>
        <translation>Экспорт картинки</translation>
    </message>
    <message>
        <source>Images *.png (*.png)</source>
        <translation>Картинки *.png (*.png)</translation>
    </message>
    <message>
        <source>Can&apos;t write to </source>
        <translation>Не могу писать в </translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Ширина линий</translation>
    </message>
    <message>
        <source>Pixels:</source>
        <translation>Пикселей:</translation>
    </message>
    <message>
        <source>Open triangulated OBJ</source>
        <translation>Загрузить триангулированный OBJ</translation>
    </message>
    <message>
        <source>object </source>
        <translation>объект </translation>
    </message>
    <message>
        <source> loaded</source>
        <comment>object</comment>
        <translation> загружен</translation>
    </message>
    <message>
        <source>Can&apos;t open </source>
        <translation>Не могу открыть </translation>
    </message>
    <message>
        <source>Only the first 500 presets are kept from </source>
        <translation>Оставлены только первые 500 настроек из </translation>
    </message>
    <message>
        <source>Can&apos;t write settings to </source>
        <translation>Не могу записать настройки в </translation>
    </message>
    <message>
        <source>No room for more than 500 presets</source>
        <translation>Нет места более чем для 500 настроек</translation>
    </message>
    <message>
        <source>Open settings file</source>
        <translation>Выберите файл настроек</translation>
    </message>
    <message>
        <source>Settings *.ini (*.ini);;All files (*.*)</source>
        <translation>Настройки *.ini (*.ini);;Все файлы (*.*)</translation>
    </message>
    <message>
        <source>settings </source>
        <translation>настройки </translation>
    </message>
    <message>
        <source> loaded</source>
        <comment>settings</comment>
        <translation> загружены</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Возврат</translation>
    </message>
    <message>
        <source>Select image for texture</source>
        <translation>Выберите картинку для текстуры</translation>
    </message>
    <message>
        <source>Images (*.bmp *.gif *.jpg *.jpeg *.png *.pbm *.pgm *.ppm *.tiff *.xbm *.xpm);;All files (*.*)</source>
        <translation>Картинки (*.bmp *.gif *.jpg *.jpeg *.png *.pbm *.pgm *.ppm *.tiff *.xbm *.xpm);;Все файлы (*.*)</translation>
    </message>
    <message>
        <source>texture </source>
        <translation>текстура </translation>
    </message>
    <message>
        <source> loaded</source>
        <comment>texture</comment>
        <translation> загружена</translation>
    </message>
    <message>
        <source>No triangles in </source>
        <translation>Нет треугольников в </translation>
    </message>
    <message>
        <source>No presets in </source>
        <translation>Нет наборов параметров в </translation>
    </message>
    <message>
        <source>Not loaded: can&apos;t keep a backup in </source>
        <translation>Не загружено: не могу сохранить резервную копию в </translation>
    </message>
    <message>
        <source>solid sphere</source>
        <translation>сплошной шар</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>сплошное тело</translation>
    </message>
    <message>
        <source>shell</source>
        <translation>оболочка</translation>
    </message>
    <message>
        <source>Moments from the body: %1, %2, %3 (%4)</source>
        <translation>Моменты инерции тела: %1, %2, %3 (%4)</translation>
    </message>
    <message>
        <source>No volume and no area in %1</source>
        <translation>Нет ни объёма, ни площади в %1</translation>
    </message>
    <message>
        <source>Moments from the body: %1, %2, %3 (%4); moved %5 and turned %6° into its principal axes</source>
        <translation>Моменты инерции тела: %1, %2, %3 (%4); сдвинуто на %5 и повёрнуто на %6° к главным осям</translation>
    </message>
    <message>
        <source>Export data</source>
        <translation>Экспорт данных</translation>
    </message>
    <message>
        <source>Tables *.csv (*.csv)</source>
        <translation>Таблицы *.csv (*.csv)</translation>
    </message>
    <message>
        <source>Not loaded: %1 is not a settings file</source>
        <translation>Не загружено: %1 — не файл настроек</translation>
    </message>
    <message>
        <source>Not loaded: %1 has a moment that is not positive</source>
        <translation>Не загружено: в %1 есть момент инерции, который не положителен</translation>
    </message>
    <message>
        <source>Settings %1 loaded; the previous presets are kept in %2</source>
        <translation>Настройки %1 загружены; прежние наборы сохранены в %2</translation>
    </message>
    <message>
        <source>No previous presets in %1</source>
        <translation>Нет прежних наборов в %1</translation>
    </message>
    <message>
        <source>Restore previous presets</source>
        <translation>Вернуть прежние наборы</translation>
    </message>
    <message>
        <source>Replace the presets with those kept in %1? The present ones are kept there in their place.</source>
        <translation>Заменить наборы теми, что сохранены в %1? Нынешние наборы будут сохранены там вместо них.</translation>
    </message>
    <message>
        <source>Previous presets restored; the ones they replaced are kept in %1</source>
        <translation>Прежние наборы возвращены; заменённые ими сохранены в %1</translation>
    </message>
    <message>
        <source>the step is too large: lower the speed or raise Iterations/frame</source>
        <translation>шаг слишком велик: уменьшите скорость или увеличьте «Итерации/кадр»</translation>
    </message>
    <message>
        <source>A moment of inertia must be positive: %1 = %2</source>
        <translation>Момент инерции должен быть положительным: %1 = %2</translation>
    </message>
    <message>
        <source>The simulation diverged: T grew more than %1-fold; %2</source>
        <translation>Расчёт разошёлся: T выросла более чем в %1 раз; %2</translation>
    </message>
    <message>
        <source>The simulation diverged: |L| grew more than %1-fold; %2</source>
        <translation>Расчёт разошёлся: |L| вырос более чем в %1 раз; %2</translation>
    </message>
    <message>
        <source>The simulation diverged: its numbers are no longer finite; %1</source>
        <translation>Расчёт разошёлся: его числа больше не конечны; %1</translation>
    </message>
    <message>
        <source>Export video</source>
        <translation>Экспорт видео</translation>
    </message>
    <message>
        <source>Videos (*.mp4 *.webm *.gif)</source>
        <translation>Видео (*.mp4 *.webm *.gif)</translation>
    </message>
    <message>
        <source>Writing the video...</source>
        <translation>Запись видео...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The video %1 was not written: %2</source>
        <translation>Видео %1 не записано: %2</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Vorlix</source>
        <translation>Vorlix</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Principal moments of inertia&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Главные моменты инерции&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Poinsot&apos;s ellipsoid</source>
        <translation>Эллипсоид инерции</translation>
    </message>
    <message>
        <source>Draw lines</source>
        <translation>Рисуй линии</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Angular velocity, rad/s&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Угловая скорость, рад/с&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Settings&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Настройки&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>save settings</source>
        <translation>сохранить настройки</translation>
    </message>
    <message>
        <source>delete settings</source>
        <translation>удалить настройку</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-size:11pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Iterations/frame&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-size:11pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Итерации/кадр&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Speed&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Скорость&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Инфо</translation>
    </message>
    <message>
        <source>Load triangulated OBJ...</source>
        <translation>Загрузить 3D-объект (триангул.)...</translation>
    </message>
    <message>
        <source>Load texture... </source>
        <translation>Загрузить текстуру...</translation>
    </message>
    <message>
        <source>Load settings file...</source>
        <translation>Открыть файл настроек...</translation>
    </message>
    <message>
        <source>Export as image...</source>
        <translation>Экспорт картинки...</translation>
    </message>
    <message>
        <source>Background color...</source>
        <translation>Цвет фона...</translation>
    </message>
    <message>
        <source>Export lines as OBJ...</source>
        <translation>Экспорт линий в OBJ...</translation>
    </message>
    <message>
        <source>Line width...</source>
        <translation>Ширина линий...</translation>
    </message>
    <message>
        <source>Physics</source>
        <translation>Физика</translation>
    </message>
    <message>
        <source>Physics readout</source>
        <translation>Физические величины</translation>
    </message>
    <message>
        <source>Angular momentum</source>
        <translation>Момент импульса</translation>
    </message>
    <message>
        <source>Angular velocity</source>
        <translation>Угловая скорость</translation>
    </message>
    <message>
        <source>Polhode</source>
        <translation>Полодия</translation>
    </message>
    <message>
        <source>Invariable plane</source>
        <translation>Неизменяемая плоскость</translation>
    </message>
    <message>
        <source>Restart from the panel</source>
        <translation>Начать заново с параметров панели</translation>
    </message>
    <message>
        <source>Moments from the body</source>
        <translation>Моменты инерции тела</translation>
    </message>
    <message>
        <source>Restore previous presets</source>
        <translation>Вернуть прежние наборы</translation>
    </message>
    <message>
        <source>Export video...</source>
        <translation>Экспорт видео…</translation>
    </message>
    <message>
        <source>Export data...</source>
        <translation>Экспорт данных…</translation>
    </message>
    <message>
        <source>Exact pose</source>
        <translation>Точное положение</translation>
    </message>
    <message>
        <source>Polhode family</source>
        <translation>Семейство полодий</translation>
    </message>
    <message>
        <source>Body and space cones</source>
        <translation>Аксоиды</translation>
    </message>
    <message>
        <source>Look along L</source>
        <translation>Смотреть вдоль L</translation>
    </message>
    <message>
        <source>Ride with the body</source>
        <translation>Вместе с телом</translation>
    </message>
</context>
<context>
    <name>PhysicsDock</name>
    <message>
        <source>t, s</source>
        <translation>t, с</translation>
    </message>
    <message>
        <source>ω, rad/s</source>
        <translation>ω, рад/с</translation>
    </message>
    <message>
        <source>t = %1 s</source>
        <translation>t = %1 с</translation>
    </message>
    <message>
        <source>T = %1</source>
        <translation>T = %1</translation>
    </message>
    <message>
        <source>|L| = %1</source>
        <translation>|L| = %1</translation>
    </message>
    <message>
        <source>ΔT/T = %1, Δ|L|/|L| = %2</source>
        <translation>ΔT/T = %1, Δ|L|/|L| = %2</translation>
    </message>
    <message>
        <source>h = %1 s, |ω|·h = %2°</source>
        <translation>h = %1 с, |ω|·h = %2°</translation>
    </message>
    <message>
        <source>Physics readout</source>
        <translation>Физические величины</translation>
    </message>
    <message>
        <source>Integrator:</source>
        <translation>Интегратор:</translation>
    </message>
    <message>
        <source>Explicit Euler</source>
        <translation>Явный метод Эйлера</translation>
    </message>
    <message>
        <source>Accurate</source>
        <translation>Точный</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Точное решение</translation>
    </message>
    <message>
        <source>No rigid body has these moments: one exceeds the sum of the other two</source>
        <translation>Таких моментов нет ни у одного твёрдого тела: один больше суммы двух других</translation>
    </message>
    <message>
        <source>Error vs exact: θ = %1°, |Δω|/|ω| = %2</source>
        <translation>Ошибка относительно точного: θ = %1°, |Δω|/|ω| = %2</translation>
    </message>
</context>
<context>
    <name>VideoEncoder</name>
    <message>
        <source>Cannot write a film into the folder %1: %2</source>
        <translation>Не удаётся записать фильм в папку %1: %2</translation>
    </message>
    <message>
        <source>Could not save the film %1: %2</source>
        <translation>Не удалось сохранить фильм %1: %2</translation>
    </message>
    <message>
        <source>Could not write the film %1: %2</source>
        <translation>Не удалось записать фильм %1: %2</translation>
    </message>
    <message>
        <source>Could not keep the film&apos;s frames in the folder %1: %2</source>
        <translation>Не удалось сохранить кадры фильма в папке %1: %2</translation>
    </message>
    <message>
        <source>The %1 encoder cannot make this film: %2</source>
        <translation>Кодировщик %1 не может создать этот фильм: %2</translation>
    </message>
    <message>
        <source>A film must be between 1 and %1 pixels wide, not %2.</source>
        <translation>Ширина фильма должна быть от 1 до %1 пикселей, а не %2.</translation>
    </message>
    <message>
        <source>An MP4 or WebM film must be an even number of pixels wide, not %1.</source>
        <translation>Ширина фильма MP4 или WebM должна быть чётным числом пикселей, а не %1.</translation>
    </message>
    <message>
        <source>This film can have 1 to %1 frames per second, not %2.</source>
        <translation>У этого фильма может быть от 1 до %1 кадров в секунду, а не %2.</translation>
    </message>
    <message>
        <source>FFmpeg on this system has no %1 encoder, so %2 films cannot be made.</source>
        <translation>В FFmpeg этой системы нет кодировщика %1, поэтому фильмы %2 создать нельзя.</translation>
    </message>
    <message>
        <source>A frame of %1 × %2 pixels does not fit a film of %3 × %3.</source>
        <translation>Кадр размером %1 × %2 пикселей не подходит для фильма %3 × %3.</translation>
    </message>
    <message>
        <source>The film has no frames.</source>
        <translation>В фильме нет кадров.</translation>
    </message>
    <message>
        <source>No film is being made.</source>
        <translation>Фильм сейчас не создаётся.</translation>
    </message>
    <message>
        <source>FFmpeg could not make the film: %1</source>
        <translation>FFmpeg не смог создать фильм: %1</translation>
    </message>
</context>
<context>
    <name>VideoExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Экспорт видео</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Длительность:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> с</translation>
    </message>
    <message>
        <source>Frames per second:</source>
        <translation>Кадров в секунду:</translation>
    </message>
    <message>
        <source>Width and height:</source>
        <translation>Ширина и высота:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> пикс.</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Ubuntu&apos;; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;justify&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; font-weight:600;&quot;&gt;Torque-free Vorlix&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;justify&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt;Use arrow keys (&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; font-weight:600;&quot;&gt;↑↓&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt;) inside 3D view area for zoom. &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; font-weight:600;&quot;&gt;X,Y,Z&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt; for projection rotations, &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; font-weight:600;&quot;&gt;U,V,W&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt; for rotations along object&apos;s local axes. &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; font-weight:600;&quot;&gt;Spacebar&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt; to reset/pause. &lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;justify&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;justify&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt;Calculations are made using the &lt;/span&gt;&lt;a href=&quot;https://en.wikipedia.org/wiki/Euler%27s_equations_(rigid_body_dynamics)&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; text-decoration: underline; color:#0000ff;&quot;&gt;Euler&apos;s equations&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;justify&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;img src=&quot;:/images/formula.png&quot; /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Ubuntu&apos;; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;justify&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; font-weight:600;&quot;&gt;Vorlix&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;justify&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt;Используйте стрелки (&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; font-weight:600;&quot;&gt;↑↓&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt;) в окне 3D просмотра чтобы увеличить/уменьшить объект. &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; font-weight:600;&quot;&gt;X,Y,Z&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt; для поворотов вдоль стационарных осей, &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; font-weight:600;&quot;&gt;U,V,W&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt; для поворотов вдоль локальных осей объекта. &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; font-weight:600;&quot;&gt;Пробел&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt; для сброса/паузы. &lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;justify&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;justify&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;;&quot;&gt;Расчеты поворотов с использованием &lt;/span&gt;&lt;a href=&quot;https://ru.wikipedia.org/wiki/%D0%94%D0%B8%D0%BD%D0%B0%D0%BC%D0%B8%D1%87%D0%B5%D1%81%D0%BA%D0%B8%D0%B5_%D1%83%D1%80%D0%B0%D0%B2%D0%BD%D0%B5%D0%BD%D0%B8%D1%8F_%D0%AD%D0%B9%D0%BB%D0%B5%D1%80%D0%B0&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans&apos;; text-decoration: underline; color:#0000ff;&quot;&gt;уравнений Эйлера&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;justify&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;img src=&quot;:/images/formula.png&quot; /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>version: </source>
        <translation>версия: </translation>
    </message>
</context>
</TS>
