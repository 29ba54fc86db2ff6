<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en">
<context>
    <name>GLWidget</name>
    <message>
        <source>Images</source>
        <translation>Obrázky</translation>
    </message>
    <message>
        <source>OpenGL 3D Demonstration</source>
        <translation>OpenGL 3D znázornenie</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Chyba pri ukladaní</translation>
    </message>
    <message>
        <source>The screenshot could not be saved as %1.</source>
        <translation>Snímku obrazovky sa nepodarilo uložiť ako %1.</translation>
    </message>
    <message>
        <source>Press ESC to exit fullscreen</source>
        <translation>Stlačte ESC pre ukončenie režimu celej obrazovky</translation>
    </message>
    <message>
        <source>Press F5 to switch to full-screen mode</source>
        <translation>Stlačte F5 pre prepnutie do režimu celej obrazovky</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>Uložiť screenshot</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>bez_mena</translation>
    </message>
</context>
<context>
    <name>ObjectItem</name>
    <message>
        <source>Show or hide information about the object</source>
        <translation>Ukázať alebo skryť informácie o objekte</translation>
    </message>
    <message>
        <source>Show or hide the parent object</source>
        <translation>Ukázať alebo skryť nadradený objekt</translation>
    </message>
</context>
<context>
    <name>StereonGUI</name>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>3D Demonstration</source>
        <translation>3D znázornenie</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>O Qt</translation>
    </message>
    <message>
        <source>Add Line</source>
        <translation>Pridať priamku</translation>
    </message>
    <message>
        <source>Add Point</source>
        <translation>Pridať bod</translation>
    </message>
    <message>
        <source>Add Surface</source>
        <translation>Pridať rovinu</translation>
    </message>
    <message>
        <source>Add Vector</source>
        <translation>Pridať vektor</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Všetky súbory</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Uhol</translation>
    </message>
    <message>
        <source>Any unsaved changes will be lost.</source>
        <translation>Všetky neuložené zmeny budú stratené.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Choose 2 different objects.</source>
        <translation>Vyberte 2 rôzne objekty.</translation>
    </message>
    <message>
        <source>Choose 2 different points.</source>
        <translation>Vyberte 2 rôzne body.</translation>
    </message>
    <message>
        <source>Choose 2 different vectors.</source>
        <translation>Vyberte 2 rôzne vektory.</translation>
    </message>
    <message>
        <source>Choose 3 different points.</source>
        <translation>Vyberte 3 rôzne body.</translation>
    </message>
    <message>
        <source>Compute Angle</source>
        <translation>Vypočítať uhol</translation>
    </message>
    <message>
        <source>Compute Distance</source>
        <translation>Vypočítať vzdialenosť</translation>
    </message>
    <message>
        <source>Compute Intersection</source>
        <translation>Vypočítať prienik</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Súradnice:</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Vzdialenosť</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Prajete si uložiť zmeny?</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Neukladať</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angličtina</translation>
    </message>
    <message>
        <source>Enter the object name.</source>
        <translation>Zadejte meno objektu.</translation>
    </message>
    <message>
        <source>Error 0xc58d3</source>
        <translation>Chyba 0xc58d3</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Failed to add line.</source>
        <translation>Nepodarilo sa pridať priamku.</translation>
    </message>
    <message>
        <source>Failed to add point.</source>
        <translation>Nepodarilo sa pridať bod.</translation>
    </message>
    <message>
        <source>Failed to add surface.</source>
        <translation>Nepodarilo sa pridať rovinu.</translation>
    </message>
    <message>
        <source>Failed to add vector.</source>
        <translation>Nepodarilo sa pridať vektor.</translation>
    </message>
    <message>
        <source>Failed to load the file</source>
        <translation>Nepodarilo sa načítať súbor</translation>
    </message>
    <message>
        <source>Failed to save the file</source>
        <translation>Nepodarilo sa uložiť súbor</translation>
    </message>
    <message>
        <source>Stereon Save</source>
        <translation>Stereon Save</translation>
    </message>
    <message>
        <source>Intersection</source>
        <translation>Prienik</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Priamka</translation>
    </message>
    <message>
        <source>Line %1 was added.</source>
        <translation>Priamka %1 bola pridaná.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Zoznam</translation>
    </message>
    <message>
        <source>List of Objects</source>
        <translation>Zoznam objektov</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načítať</translation>
    </message>
    <message>
        <source>Load a Session</source>
        <translation>Načítať reláciu</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Chyba pri načítaní</translation>
    </message>
    <message>
        <source>Load Stereon Session</source>
        <translation>Načítať reláciu Stereon</translation>
    </message>
    <message>
        <source>Load last session on startup</source>
        <translation>Pri štarte načítať poslednú reláciu</translation>
    </message>
    <message>
        <source>Show object names in the 3D view</source>
        <translation>Zobrazovať názvy objektov v 3D pohľade</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Meno:</translation>
    </message>
    <message>
        <source>New Line</source>
        <translation>Nová priamka</translation>
    </message>
    <message>
        <source>New Point</source>
        <translation>Nový bod</translation>
    </message>
    <message>
        <source>New Surface</source>
        <translation>Nová rovina</translation>
    </message>
    <message>
        <source>New Vector</source>
        <translation>Nový vektor</translation>
    </message>
    <message>
        <source>Normal Vector</source>
        <translation>Normálový vektor</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>OpenGL 3D Demonstration</source>
        <translation>OpenGL 3D znázornenie</translation>
    </message>
    <message>
        <source>The 3D view needs OpenGL, which is not available here.</source>
        <translation>3D zobrazenie potrebuje OpenGL, ktoré tu nie je k dispozícii.</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Voľba</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Voľby</translation>
    </message>
    <message>
        <source>Parametric equation</source>
        <translation>Parametrická rovnica</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Bod</translation>
    </message>
    <message>
        <source>Point %1 DOES NOT lay on line %2</source>
        <translation>Bod %1 NELEŽÍ na priamke %2</translation>
    </message>
    <message>
        <source>Point %1 DOES NOT lay on surface %2</source>
        <translation>Bod %1 NELEŽÍ na rovine %2</translation>
    </message>
    <message>
        <source>Point %1 lays on line %2</source>
        <translation>Bod %1 leží na priamke %2</translation>
    </message>
    <message>
        <source>Point %1 lays on surface %2</source>
        <translation>Bod %1 leží na rovine %2</translation>
    </message>
    <message>
        <source>Point %1 was added.</source>
        <translation>Bod %1 bol pridaný.</translation>
    </message>
    <message>
        <source>Points %1 and %2 are equal</source>
        <translation>Body %1 a %2 sú zhodné</translation>
    </message>
    <message>
        <source>Points %1 and %2 ARE NOT equal</source>
        <translation>Body %1 a %2 NIE SÚ zhodné</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znova</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Zmazať</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Zmazať %1?</translation>
    </message>
    <message>
        <source>These objects go with it: %1</source>
        <translation>Spolu s ním zmiznú tieto objekty: %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledok</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Chyba pri ukladaní</translation>
    </message>
    <message>
        <source>Save Stereon Session</source>
        <translation>Uložiť reláciu Stereon</translation>
    </message>
    <message>
        <source>Show in Window</source>
        <translation>Zobraziť v okne</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovenčina</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Rovina</translation>
    </message>
    <message>
        <source>Surface %1 was added.</source>
        <translation>Rovina %1 bola pridaná.</translation>
    </message>
    <message>
        <source>The intersection DOES NOT exist</source>
        <translation>Prienik neexistuje</translation>
    </message>
    <message>
        <source>This program uses open source icons and Qt Framework</source>
        <translation>Tento program používa open source ikony a Qt Framework</translation>
    </message>
    <message>
        <source>Vector</source>
        <translation>Vektor</translation>
    </message>
    <message>
        <source>Vector %1 was added.</source>
        <translation>Vektor %1 bol pridaný.</translation>
    </message>
    <message>
        <source>Wrong object name.
Object &quot;%1&quot; already exists.</source>
        <translation>Chybné meno objektu.
Objekt &quot;%1&quot; už existuje.</translation>
    </message>
    <message>
        <source>Wrong object name. Object &quot;%1&quot; already exists.</source>
        <translation>Chybné meno objektu. Objekt &quot;%1&quot; už existuje.</translation>
    </message>
    <message>
        <source>Wrong object name. A name must not contain &quot;$&quot; or control characters.</source>
        <translation>Chybné meno objektu. Meno nesmie obsahovať &quot;$&quot; ani riadiace znaky.</translation>
    </message>
    <message>
        <source>The points lie on one line.</source>
        <translation>Body ležia na jednej priamke.</translation>
    </message>
    <message>
        <source>The two points are the same.</source>
        <translation>Oba body sú zhodné.</translation>
    </message>
    <message>
        <source>The vectors are parallel.</source>
        <translation>Vektory sú rovnobežné.</translation>
    </message>
    <message>
        <source>Digits, one decimal point or comma, at most 3 decimals.</source>
        <translation>Číslice, jedna desatinná čiarka či bodka, najviac 3 miesta.</translation>
    </message>
    <message>
        <source>The normal vector is zero.</source>
        <translation>Normálový vektor je nulový.</translation>
    </message>
    <message>
        <source>The numbers are too large.</source>
        <translation>Čísla sú príliš veľké.</translation>
    </message>
    <message>
        <source>The direction vector is zero.</source>
        <translation>Smerový vektor je nulový.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>nie je bežný súbor</translation>
    </message>
    <message>
        <source>symbolic link loop</source>
        <translation>slučka symbolických odkazov</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>súbor je len na čítanie</translation>
    </message>
    <message>
        <source>another program is saving this session; try again</source>
        <translation>túto reláciu práve ukladá iný program; skúste to znova</translation>
    </message>
    <message>
        <source>not a session file</source>
        <translation>nie je súbor relácie</translation>
    </message>
    <message>
        <source>truncated or broken record</source>
        <translation>skrátený alebo poškodený záznam</translation>
    </message>
    <message>
        <source>unknown parent &quot;%1&quot;</source>
        <translation>neznámy nadradený objekt &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is used twice</source>
        <translation>meno &quot;%1&quot; je použité dvakrát</translation>
    </message>
    <message>
        <source>a coordinate is not a number</source>
        <translation>súradnica nie je číslo</translation>
    </message>
    <message>
        <source>its parents do not define &quot;%1&quot;</source>
        <translation>nadradené objekty neurčujú &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line too long</source>
        <translation>príliš dlhý riadok</translation>
    </message>
    <message>
        <source>too large to load</source>
        <translation>príliš veľký na načítanie</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; cannot be saved (&quot;$$&quot; or a line break)</source>
        <translation>meno &quot;%1&quot; nemožno uložiť (&quot;$$&quot; alebo koniec riadka)</translation>
    </message>
    <message>
        <source>a coordinate of &quot;%1&quot; is not a finite number</source>
        <translation>súradnica objektu &quot;%1&quot; nie je konečné číslo</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>neznáma chyba</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>riadok %1: </translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Súbor alebo adresár neexistuje</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Prístup zamietnutý</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Súborový systém je len na čítanie</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Na zariadení nie je voľné miesto</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Prekročená disková kvóta</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Nie je adresár</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Je adresár</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Názov súboru je príliš dlhý</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Chyba vstupu/výstupu</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložiť ako</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
</context>
</TS>
