<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>GLWidget</name>
    <message>
        <source>Images</source>
        <translation>Obrázky</translation>
    </message>
    <message>
        <source>OpenGL 3D Demonstration</source>
        <translation>OpenGL 3D znázornění</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Chyba při ukládání</translation>
    </message>
    <message>
        <source>The screenshot could not be saved as %1.</source>
        <translation>Snímek obrazovky se nepodařilo uložit jako %1.</translation>
    </message>
    <message>
        <source>Press ESC to exit fullscreen</source>
        <translation>Stiskněte ESC pro ukončení režimu celé obrazovky</translation>
    </message>
    <message>
        <source>Press F5 to switch to full-screen mode</source>
        <translation>Stiskněte F5 pro přepnutí do režimu celé obrazovky</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>Uložit screenshot</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>bez_jmena</translation>
    </message>
</context>
<context>
    <name>ObjectItem</name>
    <message>
        <source>Show or hide information about the object</source>
        <translation>Ukázat nebo skrýt informace o objektu</translation>
    </message>
    <message>
        <source>Show or hide the parent object</source>
        <translation>Ukázat nebo skrýt nadřazený objekt</translation>
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
        <translation>3D znázornění</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>O Qt</translation>
    </message>
    <message>
        <source>Add Line</source>
        <translation>Přidat přímku</translation>
    </message>
    <message>
        <source>Add Point</source>
        <translation>Přidat bod</translation>
    </message>
    <message>
        <source>Add Surface</source>
        <translation>Přidat rovinu</translation>
    </message>
    <message>
        <source>Add Vector</source>
        <translation>Přidat vektor</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Všechny soubory</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Úhel</translation>
    </message>
    <message>
        <source>Any unsaved changes will be lost.</source>
        <translation>Veškeré neuložené změny budou ztraceny.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Choose 2 different objects.</source>
        <translation>Vyberte 2 různé objekty.</translation>
    </message>
    <message>
        <source>Choose 2 different points.</source>
        <translation>Vyberte 2 různé body.</translation>
    </message>
    <message>
        <source>Choose 2 different vectors.</source>
        <translation>Vyberte 2 různé vektory.</translation>
    </message>
    <message>
        <source>Choose 3 different points.</source>
        <translation>Vyberte 3 různé body.</translation>
    </message>
    <message>
        <source>Compute Angle</source>
        <translation>Vypočítat úhel</translation>
    </message>
    <message>
        <source>Compute Distance</source>
        <translation>Vypočítat vzdálenost</translation>
    </message>
    <message>
        <source>Compute Intersection</source>
        <translation>Vypočítat průnik</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Souřadnice:</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Vzdálenost</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Přejete si uložit změny?</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Neukládat</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angličtina</translation>
    </message>
    <message>
        <source>Enter the object name.</source>
        <translation>Zadejte jméno objektu.</translation>
    </message>
    <message>
        <source>Error 0xc58d3</source>
        <translation>Chyba 0xc58d3</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Failed to add line.</source>
        <translation>Nepodařilo se přidat přímku.</translation>
    </message>
    <message>
        <source>Failed to add point.</source>
        <translation>Nepodařilo se přidat bod.</translation>
    </message>
    <message>
        <source>Failed to add surface.</source>
        <translation>Nepodařilo se přidat rovinu.</translation>
    </message>
    <message>
        <source>Failed to add vector.</source>
        <translation>Nepodařilo se přidat vektor.</translation>
    </message>
    <message>
        <source>Failed to load the file</source>
        <translation>Nepodařilo se načíst soubor</translation>
    </message>
    <message>
        <source>Failed to save the file</source>
        <translation>Nepodařilo se uložit soubor</translation>
    </message>
    <message>
        <source>Stereon Save</source>
        <translation>Stereon Save</translation>
    </message>
    <message>
        <source>Intersection</source>
        <translation>Průnik</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Přímka</translation>
    </message>
    <message>
        <source>Line %1 was added.</source>
        <translation>Přímka %1 byla přidána.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Seznam</translation>
    </message>
    <message>
        <source>List of Objects</source>
        <translation>Seznam objektů</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Load a Session</source>
        <translation>Načíst relaci</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Chyba při načítání</translation>
    </message>
    <message>
        <source>Load Stereon Session</source>
        <translation>Načíst relaci Stereon</translation>
    </message>
    <message>
        <source>Load last session on startup</source>
        <translation>Při startu načíst poslední relaci</translation>
    </message>
    <message>
        <source>Show object names in the 3D view</source>
        <translation>Zobrazovat názvy objektů ve 3D pohledu</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Jméno:</translation>
    </message>
    <message>
        <source>New Line</source>
        <translation>Nová přímka</translation>
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
        <translation>OpenGL 3D znázornění</translation>
    </message>
    <message>
        <source>The 3D view needs OpenGL, which is not available here.</source>
        <translation>3D zobrazení potřebuje OpenGL, které zde není k dispozici.</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Volba</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Volby</translation>
    </message>
    <message>
        <source>Parametric equation</source>
        <translation>Parametrická rovnice</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Bod</translation>
    </message>
    <message>
        <source>Point %1 DOES NOT lay on line %2</source>
        <translation>Bod %1 NELEŽÍ na přímce %2</translation>
    </message>
    <message>
        <source>Point %1 DOES NOT lay on surface %2</source>
        <translation>Bod %1 NELEŽÍ na rovině %2</translation>
    </message>
    <message>
        <source>Point %1 lays on line %2</source>
        <translation>Bod %1 leží na přímce %2</translation>
    </message>
    <message>
        <source>Point %1 lays on surface %2</source>
        <translation>Bod %1 leží na rovině %2</translation>
    </message>
    <message>
        <source>Point %1 was added.</source>
        <translation>Bod %1 byl přidán.</translation>
    </message>
    <message>
        <source>Points %1 and %2 are equal</source>
        <translation>Body %1 a %2 jsou stejné</translation>
    </message>
    <message>
        <source>Points %1 and %2 ARE NOT equal</source>
        <translation>Body %1 a %2 NEJSOU stejné</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Smazat %1?</translation>
    </message>
    <message>
        <source>These objects go with it: %1</source>
        <translation>Spolu s ním zmizí tyto objekty: %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Chyba při ukládání</translation>
    </message>
    <message>
        <source>Save Stereon Session</source>
        <translation>Uložit relaci Stereon</translation>
    </message>
    <message>
        <source>Show in Window</source>
        <translation>Zobrazit v okně</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovenština</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Rovina</translation>
    </message>
    <message>
        <source>Surface %1 was added.</source>
        <translation>Rovina %1 byla přidána.</translation>
    </message>
    <message>
        <source>The intersection DOES NOT exist</source>
        <translation>Průnik neexistuje</translation>
    </message>
    <message>
        <source>This program uses open source icons and Qt Framework</source>
        <translation>Tento program používá open source ikony a Qt Framework</translation>
    </message>
    <message>
        <source>Vector</source>
        <translation>Vektor</translation>
    </message>
    <message>
        <source>Vector %1 was added.</source>
        <translation>Vektor %1 byl přidán.</translation>
    </message>
    <message>
        <source>Wrong object name.
Object &quot;%1&quot; already exists.</source>
        <translation>Chybné jméno objektu.
Objekt &quot;%1&quot; již existuje.</translation>
    </message>
    <message>
        <source>Wrong object name. Object &quot;%1&quot; already exists.</source>
        <translation>Chybné jméno objektu. Objekt &quot;%1&quot; již existuje.</translation>
    </message>
    <message>
        <source>Wrong object name. A name must not contain &quot;$&quot; or control characters.</source>
        <translation>Chybné jméno objektu. Jméno nesmí obsahovat &quot;$&quot; ani řídicí znaky.</translation>
    </message>
    <message>
        <source>The points lie on one line.</source>
        <translation>Body leží na jedné přímce.</translation>
    </message>
    <message>
        <source>The two points are the same.</source>
        <translation>Oba body jsou stejné.</translation>
    </message>
    <message>
        <source>The vectors are parallel.</source>
        <translation>Vektory jsou rovnoběžné.</translation>
    </message>
    <message>
        <source>Digits, one decimal point or comma, at most 3 decimals.</source>
        <translation>Číslice, jedna desetinná čárka či tečka, nejvýše 3 místa.</translation>
    </message>
    <message>
        <source>The normal vector is zero.</source>
        <translation>Normálový vektor je nulový.</translation>
    </message>
    <message>
        <source>The numbers are too large.</source>
        <translation>Čísla jsou příliš velká.</translation>
    </message>
    <message>
        <source>The direction vector is zero.</source>
        <translation>Směrový vektor je nulový.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>není obyčejný soubor</translation>
    </message>
    <message>
        <source>symbolic link loop</source>
        <translation>smyčka symbolických odkazů</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>soubor je jen pro čtení</translation>
    </message>
    <message>
        <source>another program is saving this session; try again</source>
        <translation>tuto relaci právě ukládá jiný program; zkuste to znovu</translation>
    </message>
    <message>
        <source>not a session file</source>
        <translation>není soubor relace</translation>
    </message>
    <message>
        <source>truncated or broken record</source>
        <translation>zkrácený nebo poškozený záznam</translation>
    </message>
    <message>
        <source>unknown parent &quot;%1&quot;</source>
        <translation>neznámý nadřazený objekt &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is used twice</source>
        <translation>jméno &quot;%1&quot; je použito dvakrát</translation>
    </message>
    <message>
        <source>a coordinate is not a number</source>
        <translation>souřadnice není číslo</translation>
    </message>
    <message>
        <source>its parents do not define &quot;%1&quot;</source>
        <translation>nadřazené objekty neurčují &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line too long</source>
        <translation>příliš dlouhý řádek</translation>
    </message>
    <message>
        <source>too large to load</source>
        <translation>příliš velký k načtení</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; cannot be saved (&quot;$$&quot; or a line break)</source>
        <translation>jméno &quot;%1&quot; nelze uložit (&quot;$$&quot; nebo konec řádku)</translation>
    </message>
    <message>
        <source>a coordinate of &quot;%1&quot; is not a finite number</source>
        <translation>souřadnice objektu &quot;%1&quot; není konečné číslo</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>neznámá chyba</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>řádek %1: </translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Adresář nebo soubor neexistuje</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Přístup odmítnut</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Systém souborů je pouze pro čtení</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Na zařízení není volné místo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Překročena disková kvóta</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Není adresářem</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Je adresářem</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Jméno souboru je příliš dlouhé</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Chyba vstupu/výstupu</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložit jako</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
</context>
</TS>
