<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Een kleine vectortekenaar met raster.
© 2026 Brenlock Ostervaal</source>
        <translation>A small vector drawing program with a grid.
© 2026 Brenlock Ostervaal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Pluvo</source>
        <translation>About Pluvo</translation>
    </message>
</context>
<context>
    <name>CGrootteDlg</name>
    <message>
        <source>Grootte veranderen</source>
        <translation>Change Size</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vergroot of verklein alle objecten met een percentage horizontaal en verticaal, 100 geeft geen wijziging.</source>
        <translation>Enlarge or reduce all objects by a percentage horizontally and vertically; 100 changes nothing.</translation>
    </message>
    <message>
        <source>Horizontaal:</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <source>Verticaal:</source>
        <translation>Vertical:</translation>
    </message>
</context>
<context>
    <name>CKenmerkenDlg</name>
    <message>
        <source>Kenmerken venster, afdrukken, figuur</source>
        <translation>Properties of window, printing, figure</translation>
    </message>
    <message>
        <source>Met raster</source>
        <translation>With grid</translation>
    </message>
    <message>
        <source>Met coördinaten</source>
        <translation>With coordinates</translation>
    </message>
    <message>
        <source>Alleen met roosterpunten werken</source>
        <translation>Work on grid points only</translation>
    </message>
    <message>
        <source>Met rand</source>
        <translation>With outline</translation>
    </message>
    <message>
        <source>Met vulling</source>
        <translation>With fill</translation>
    </message>
    <message>
        <source>Kleuren</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Achtergr.</source>
        <translation>Backgr.</translation>
    </message>
    <message>
        <source>Raster</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Rand</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>Vul</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Factor vergroten:</source>
        <translation>Enlargement factor:</translation>
    </message>
    <message>
        <source>2x</source>
        <translation>2x</translation>
    </message>
    <message>
        <source>4x</source>
        <translation>4x</translation>
    </message>
    <message>
        <source>5x</source>
        <translation>5x</translation>
    </message>
    <message>
        <source>10x</source>
        <translation>10x</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Grootte rasterhokje:</source>
        <translation>Grid cell size:</translation>
    </message>
    <message>
        <source>Randdikte:</source>
        <translation>Outline width:</translation>
    </message>
    <message>
        <source>Te tekenen figuur</source>
        <translation>Figure to draw</translation>
    </message>
    <message>
        <source>Lijn</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Ellips</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Cirkel</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>BoogKwart</source>
        <translation>Quarter Arc</translation>
    </message>
    <message>
        <source>Rechthoek</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Veelhoek</source>
        <translation>Regular Polygon</translation>
    </message>
    <message>
        <source>Opvullen</source>
        <translation>Flood Fill</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Kopieer</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Selecteer</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Polygoon</source>
        <translation>Free Polygon</translation>
    </message>
    <message>
        <source>Gestippeld</source>
        <translation>Dotted</translation>
    </message>
    <message>
        <source>Met SHIFT altijd cirkel; via omsl. rechthoek</source>
        <translation>With SHIFT always a circle; by bounding rect.</translation>
    </message>
    <message>
        <source>Middelpunt - cirkelpunt</source>
        <translation>Centre - point on the circle</translation>
    </message>
    <message>
        <source>Via omsluitende rechthoek</source>
        <translation>By its bounding rectangle</translation>
    </message>
    <message>
        <source>Met SHIFT altijd vierkant</source>
        <translation>With SHIFT always a square</translation>
    </message>
    <message>
        <source>Gelijkzijdige n-hoek</source>
        <translation>Regular n-gon</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Oriëntatie (0,90,180,270):</source>
        <translation>Orientation (0,90,180,270):</translation>
    </message>
    <message>
        <source>Kopieer geselecteerde objecten</source>
        <translation>Copy the selected objects</translation>
    </message>
    <message>
        <source>Eventueel met Ctrl en/of Shift</source>
        <translation>Optionally with Ctrl and/or Shift</translation>
    </message>
    <message>
        <source>Willekeurige veelhoek</source>
        <translation>Free polygon</translation>
    </message>
    <message>
        <source>Kleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Lettertype</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Werkbalk</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Plaatsmaker</source>
        <translation>Placeholder</translation>
    </message>
    <message>
        <source>Kleurenbalk</source>
        <translation>Colour Bar</translation>
    </message>
    <message>
        <source>Pluvo</source>
        <translation>Pluvo</translation>
    </message>
    <message>
        <source>PDF-bestand (*.pdf);;Alle bestanden (*)</source>
        <translation>PDF File (*.pdf);;All Files (*)</translation>
    </message>
    <message>
        <source>Schrijf de tekening als PDF-bestand</source>
        <translation>Write the drawing as a PDF file</translation>
    </message>
    <message>
        <source>Kan %1 niet schrijven: %2.</source>
        <translation>Cannot write %1: %2.</translation>
    </message>
    <message>
        <source>Kies de taal van Pluvo.
Choose the language of Pluvo.</source>
        <translation>Kies de taal van Pluvo.
Choose the language of Pluvo.</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Pluvo gebruikt de gekozen taal vanaf de volgende start.
Pluvo uses the chosen language from its next start on.</source>
        <translation>Pluvo gebruikt de gekozen taal vanaf de volgende start.
Pluvo uses the chosen language from its next start on.</translation>
    </message>
    <message>
        <source>De handleiding is niet gevonden.</source>
        <translation>The user guide was not found.</translation>
    </message>
    <message>
        <source>png-file (*.png);;All files (*)</source>
        <translation>PNG File (*.png);;All Files (*)</translation>
    </message>
    <message>
        <source>Sla veld op als png-bestand</source>
        <translation>Save the field as a PNG file</translation>
    </message>
    <message>
        <source>Kan %1 niet schrijven.</source>
        <translation>Cannot write %1.</translation>
    </message>
    <message>
        <source>Pluvo Files (*.plv);;Alle bestanden (*)</source>
        <translation>Pluvo Files (*.plv);;All Files (*)</translation>
    </message>
    <message>
        <source>Tekstbestand (*.txt);;Alle bestanden (*)</source>
        <translation>Text File (*.txt);;All Files (*)</translation>
    </message>
    <message>
        <source>SVG-bestand (*.svg);;Alle bestanden (*)</source>
        <translation>SVG File (*.svg);;All Files (*)</translation>
    </message>
    <message>
        <source>Pluvobestand (*.plv);;Alle bestanden (*)</source>
        <translation>Pluvo File (*.plv);;All Files (*)</translation>
    </message>
    <message>
        <source>Naamloos</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Wijzigingen in %1 opslaan?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Kan %1 niet openen: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>Kan %1 niet opslaan: %2.</source>
        <translation>Cannot save %1: %2.</translation>
    </message>
    <message>
        <source>Open dit document</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>Fout in bestand op regel %1</source>
        <translation>Error in the file at line %1</translation>
    </message>
    <message>
        <source>Bestand incorrect</source>
        <translation>Incorrect file</translation>
    </message>
    <message>
        <source>Jammer</source>
        <translation>Sorry</translation>
    </message>
    <message>
        <source>Het afdrukken kon niet beginnen.</source>
        <translation>Printing could not start.</translation>
    </message>
    <message>
        <source>&amp;Nieuw	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>Open nieuw document</source>
        <translation>Open a new document</translation>
    </message>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open bestaand document</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Op&amp;slaan	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Sla document opt</source>
        <translation>Save the document</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Opslaan &amp;als...	F12</source>
        <translation>Save &amp;As...	F12</translation>
    </message>
    <message>
        <source>Sla document op met nieuwe naam</source>
        <translation>Save the document under a new name</translation>
    </message>
    <message>
        <source>Opslaan als</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Schrijf als &amp;tekst...</source>
        <translation>Write as &amp;Text...</translation>
    </message>
    <message>
        <source>Alle objecten als tekst naar tekstbestand</source>
        <translation>Write all objects as text to a text file</translation>
    </message>
    <message>
        <source>Lees a&amp;ls tekst...</source>
        <translation>R&amp;ead as Text...</translation>
    </message>
    <message>
        <source>Alle objecten als tekst lezen uit tekstbestand</source>
        <translation>Read all objects as text from a text file</translation>
    </message>
    <message>
        <source>S&amp;chrijf SVG...</source>
        <translation>Write S&amp;VG...</translation>
    </message>
    <message>
        <source>Schrijf Scaled Vector Graphics bestand</source>
        <translation>Write a Scalable Vector Graphics file</translation>
    </message>
    <message>
        <source>&amp;Voeg tekening toe...</source>
        <translation>&amp;Merge Drawing...</translation>
    </message>
    <message>
        <source>Voeg een andere tekening toe aan deze tekening</source>
        <translation>Add another drawing to this drawing</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print het document</source>
        <translation>Print the document</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>A&amp;fdrukvoorbeeld...</source>
        <translation>Print Previe&amp;w...</translation>
    </message>
    <message>
        <source>Toon afdrukvoorbeeld</source>
        <translation>Show the print preview</translation>
    </message>
    <message>
        <source>Afdrukvoorbeeld</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Wijzig printer en afdrukopties</source>
        <translation>Change the printer and the print options</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Programma beëindigen</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Werkbalk</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Toon/verberg werkbalk</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>&amp;Statusbalk</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Toon/verberg statusbalkr</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>Statusbalk</source>
        <translation>Status Bar</translation>
    </message>
    <message>
        <source>&amp;Kleurenbalk</source>
        <translation>&amp;Colour Bar</translation>
    </message>
    <message>
        <source>Toon/verberg kleurenbalk</source>
        <translation>Show or hide the colour bar</translation>
    </message>
    <message>
        <source>Toon &amp;raster</source>
        <translation>Show &amp;Grid</translation>
    </message>
    <message>
        <source>Toon raster</source>
        <translation>Show the grid</translation>
    </message>
    <message>
        <source>Raster</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Toon &amp;coördinaten</source>
        <translation>Show Coor&amp;dinates</translation>
    </message>
    <message>
        <source>Toon coördinaten</source>
        <translation>Show the coordinates</translation>
    </message>
    <message>
        <source>Coördinaten</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>&amp;Op roosterpunt</source>
        <translation>Snap to Grid &amp;Points</translation>
    </message>
    <message>
        <source>Op roosterpunten werken</source>
        <translation>Work on grid points</translation>
    </message>
    <message>
        <source>Roosterpunt</source>
        <translation>Grid Points</translation>
    </message>
    <message>
        <source>Alles opnieuw &amp;tekenen</source>
        <translation>&amp;Redraw Everything</translation>
    </message>
    <message>
        <source>Teken alle objecten opnieuw</source>
        <translation>Draw all objects again</translation>
    </message>
    <message>
        <source>Verversen</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>&amp;Undo	Alt+Bksp</source>
        <translation>&amp;Undo	Alt+Bksp</translation>
    </message>
    <message>
        <source>Laatste bewerking ongedaan maken, indien mogelijk</source>
        <translation>Undo the last change, if possible</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>&amp;Kenmerken...	Ctrl+E</source>
        <translation>Propert&amp;ies...	Ctrl+E</translation>
    </message>
    <message>
        <source>Geef kenmerken figuur, raster enz.</source>
        <translation>Set the properties of the figure, the grid, etc.</translation>
    </message>
    <message>
        <source>Kenmerken</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>&amp;Naar klembord	Ctrl+C</source>
        <translation>&amp;Copy to Clipboard	Ctrl+C</translation>
    </message>
    <message>
        <source>Gehele veld naar klembord als bitmap</source>
        <translation>Copy the whole field to the clipboard as a bitmap</translation>
    </message>
    <message>
        <source>Klembord</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>Gehele veld als png schrijven...</source>
        <translation>Write Whole Field as PNG...</translation>
    </message>
    <message>
        <source>Gehele veld als grafisch png-bestand schrijven</source>
        <translation>Write the whole field as a PNG image file</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>&amp;Objectenlijst...	Ctrl+F</source>
        <translation>&amp;Object List...	Ctrl+F</translation>
    </message>
    <message>
        <source>Toon objecten</source>
        <translation>Show the objects</translation>
    </message>
    <message>
        <source>Objecten</source>
        <translation>Objects</translation>
    </message>
    <message>
        <source>&amp;Laatste object verwijderen	Ctrl+BkSp</source>
        <translation>Remove Las&amp;t Object	Ctrl+BkSp</translation>
    </message>
    <message>
        <source>Laatst geplaatst object verwijderen</source>
        <translation>Remove the object placed last</translation>
    </message>
    <message>
        <source>Ver&amp;groot...	Ctrl+Q</source>
        <translation>Re&amp;size...	Ctrl+Q</translation>
    </message>
    <message>
        <source>Vergroot/verklein alle objecten</source>
        <translation>Enlarge or reduce all objects</translation>
    </message>
    <message>
        <source>Vergroot</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>Objecten naar l&amp;inks	Ctrl+Pijl Links</source>
        <translation>Objects &amp;Left	Ctrl+Left Arrow</translation>
    </message>
    <message>
        <source>Verschuif alle of alleen geselecteerde objecten naar links</source>
        <translation>Move all objects, or only the selected ones, to the left</translation>
    </message>
    <message>
        <source>Objecten naar &amp;rechts	Ctrl+Pijl Rechts</source>
        <translation>Objects &amp;Right	Ctrl+Right Arrow</translation>
    </message>
    <message>
        <source>Verschuif alle of alleen geselecteerde objecten naar rechts</source>
        <translation>Move all objects, or only the selected ones, to the right</translation>
    </message>
    <message>
        <source>Objecten om&amp;hoog	Ctrl+Pijl Op</source>
        <translation>Objects U&amp;p	Ctrl+Up Arrow</translation>
    </message>
    <message>
        <source>Verschuif alle of alleen geselecteerde objecten omhoog</source>
        <translation>Move all objects, or only the selected ones, up</translation>
    </message>
    <message>
        <source>Objecten &amp;omlaag	Ctrl+Pijl Neer</source>
        <translation>Objects Do&amp;wn	Ctrl+Down Arrow</translation>
    </message>
    <message>
        <source>Verschuif alle of alleen geselecteerde objecten omlaag</source>
        <translation>Move all objects, or only the selected ones, down</translation>
    </message>
    <message>
        <source>&amp;Draai 90 graden rechtsom	Ctrl+R</source>
        <translation>Rotate 90 Degrees Cloc&amp;kwise	Ctrl+R</translation>
    </message>
    <message>
        <source>Draai alle figuren 90 graden rechtsom</source>
        <translation>Rotate all figures 90 degrees clockwise</translation>
    </message>
    <message>
        <source>Selecteer &amp;alle objecten	Ctrl+A</source>
        <translation>Select &amp;All Objects	Ctrl+A</translation>
    </message>
    <message>
        <source>Selecteer alle objecten</source>
        <translation>Select all objects</translation>
    </message>
    <message>
        <source>Selecteer geen &amp;enkel object	Ctrl+0</source>
        <translation>Select &amp;No Object	Ctrl+0</translation>
    </message>
    <message>
        <source>Selecteer geen enkel object</source>
        <translation>Select no object</translation>
    </message>
    <message>
        <source>&amp;Verwijder	Alt+Delete</source>
        <translation>&amp;Delete	Alt+Delete</translation>
    </message>
    <message>
        <source>Verwijder geselecteerde objecten</source>
        <translation>Delete the selected objects</translation>
    </message>
    <message>
        <source>&amp;Lijn</source>
        <translation>&amp;Line</translation>
    </message>
    <message>
        <source>Teken een lijn</source>
        <translation>Draw a line</translation>
    </message>
    <message>
        <source>Lijn</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>&amp;Ellips</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>Teken een ellips, met SHIFT een cirkel</source>
        <translation>Draw an ellipse, with SHIFT a circle</translation>
    </message>
    <message>
        <source>Ellips</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>&amp;Cirkel</source>
        <translation>&amp;Circle</translation>
    </message>
    <message>
        <source>Teken een cirkel vanuit middelpunt en straal</source>
        <translation>Draw a circle from its centre and radius</translation>
    </message>
    <message>
        <source>Cirkel</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>&amp;BoogKwart</source>
        <translation>&amp;Quarter Arc</translation>
    </message>
    <message>
        <source>Teken een kwart boog</source>
        <translation>Draw a quarter arc</translation>
    </message>
    <message>
        <source>BoogKwart</source>
        <translation>Quarter Arc</translation>
    </message>
    <message>
        <source>&amp;Rechthoek</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>Teken een rechthoek, met SHIFT een vierkant</source>
        <translation>Draw a rectangle, with SHIFT a square</translation>
    </message>
    <message>
        <source>Rechthoek</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>&amp;Veelhoek</source>
        <translation>Regular Poly&amp;gon</translation>
    </message>
    <message>
        <source>Teken een regelmatige veelhoek</source>
        <translation>Draw a regular polygon</translation>
    </message>
    <message>
        <source>Veelhoek</source>
        <translation>Regular Polygon</translation>
    </message>
    <message>
        <source>&amp;Opvullen</source>
        <translation>Flood &amp;Fill</translation>
    </message>
    <message>
        <source>Vul ruimte begrensd door Kleur Rand met Kleur Vul</source>
        <translation>Fill the area bounded by the outline colour with the fill colour</translation>
    </message>
    <message>
        <source>Opvullen</source>
        <translation>Flood Fill</translation>
    </message>
    <message>
        <source>&amp;Tekst</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Zet tekst</source>
        <translation>Place a text</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&amp;Kopie</source>
        <translation>C&amp;opy</translation>
    </message>
    <message>
        <source>Teken een kopie van de geselecteerde objecten</source>
        <translation>Draw a copy of the selected objects</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>&amp;Selecteer</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>Selecteer door objecten te omsluiten</source>
        <translation>Select objects by enclosing them</translation>
    </message>
    <message>
        <source>Selecteer</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>&amp;Polygoon</source>
        <translation>Free &amp;Polygon</translation>
    </message>
    <message>
        <source>Teken een willekeurige veelhoek</source>
        <translation>Draw a free polygon</translation>
    </message>
    <message>
        <source>Polygoon</source>
        <translation>Free Polygon</translation>
    </message>
    <message>
        <source>&amp;Dikker</source>
        <translation>T&amp;hicker</translation>
    </message>
    <message>
        <source>Alle of alleen geselecteerde randen een pixel dikker</source>
        <translation>Make all outlines, or only the selected ones, a pixel thicker</translation>
    </message>
    <message>
        <source>Dikker</source>
        <translation>Thicker</translation>
    </message>
    <message>
        <source>D&amp;unner</source>
        <translation>Thi&amp;nner</translation>
    </message>
    <message>
        <source>Alle of alleen geselecteerde randen een pixel dunner</source>
        <translation>Make all outlines, or only the selected ones, a pixel thinner</translation>
    </message>
    <message>
        <source>Dunner</source>
        <translation>Thinner</translation>
    </message>
    <message>
        <source>Vul &amp;ja/nee</source>
        <translation>Fill &amp;Yes/No</translation>
    </message>
    <message>
        <source>Vullingen alle of alleen geselecteerde zetten/weghalen</source>
        <translation>Fill or unfill all figures, or only the selected ones</translation>
    </message>
    <message>
        <source>Vul</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>&amp;Over Pluvo...</source>
        <translation>&amp;About Pluvo...</translation>
    </message>
    <message>
        <source>Toon programma-informatie en versie</source>
        <translation>Show the program information and version</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Schrijf P&amp;DF...</source>
        <translation>Write P&amp;DF...</translation>
    </message>
    <message>
        <source>Taa&amp;l / Language...</source>
        <translation>Taa&amp;l / Language...</translation>
    </message>
    <message>
        <source>Kies de taal van Pluvo / Choose Pluvo&apos;s language</source>
        <translation>Kies de taal van Pluvo / Choose Pluvo&apos;s language</translation>
    </message>
    <message>
        <source>&amp;Handleiding	F1</source>
        <translation>User &amp;Guide	F1</translation>
    </message>
    <message>
        <source>Open de handleiding in de browser</source>
        <translation>Open the user guide in the browser</translation>
    </message>
    <message>
        <source>&amp;Bestand</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>B&amp;eeld</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Opties</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Vorm</source>
        <translation>&amp;Shape</translation>
    </message>
    <message>
        <source>&amp;Hulp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Stap &amp;terug	Ctrl+Z</source>
        <translation>Step &amp;Back	Ctrl+Z</translation>
    </message>
    <message>
        <source>Maak de laatste wijziging van de tekening ongedaan</source>
        <translation>Undo the last change to the drawing</translation>
    </message>
    <message>
        <source>Stap terug</source>
        <translation>Step back</translation>
    </message>
    <message>
        <source>&amp;Stap vooruit	Ctrl+Y</source>
        <translation>Step &amp;Forward	Ctrl+Y</translation>
    </message>
    <message>
        <source>Breng de laatst teruggenomen wijziging terug</source>
        <translation>Bring back the change last undone</translation>
    </message>
    <message>
        <source>Stap vooruit</source>
        <translation>Step forward</translation>
    </message>
    <message>
        <source>&amp;Inzoomen	Ctrl++</source>
        <translation>Zoom &amp;in	Ctrl++</translation>
    </message>
    <message>
        <source>Toon de tekening groter</source>
        <translation>Show the drawing larger</translation>
    </message>
    <message>
        <source>Inzoomen</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>&amp;Uitzoomen	Ctrl+-</source>
        <translation>Zoom &amp;out	Ctrl+-</translation>
    </message>
    <message>
        <source>Toon de tekening kleiner</source>
        <translation>Show the drawing smaller</translation>
    </message>
    <message>
        <source>Uitzoomen</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Ware &amp;grootte</source>
        <translation>&amp;Actual size</translation>
    </message>
    <message>
        <source>Toon de tekening op 100 %</source>
        <translation>Show the drawing at 100 %</translation>
    </message>
    <message>
        <source>Ware grootte</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>&amp;Hele tekening</source>
        <translation>&amp;Whole drawing</translation>
    </message>
    <message>
        <source>Toon de hele tekening zo groot als past</source>
        <translation>Show the whole drawing as large as it fits</translation>
    </message>
    <message>
        <source>Hele tekening</source>
        <translation>Whole drawing</translation>
    </message>
    <message>
        <source>Doe iets</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Tekst van de volgende tekstfiguur</source>
        <translation>Text of the next text figure</translation>
    </message>
    <message>
        <source>Vorm</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Niet in gebruik</source>
        <translation>Not in use</translation>
    </message>
    <message>
        <source>Spatie: vulkleur, Shift+Spatie: randkleur; pijltjes: volgende kleur</source>
        <translation>Space: fill colour, Shift+Space: outline colour; arrows: next colour</translation>
    </message>
    <message>
        <source>Randkleur en vulkleur van de volgende figuur</source>
        <translation>Outline and fill colour of the next figure</translation>
    </message>
    <message>
        <source>Zet vulkleur, ook voor geselecteerde objecten; de rechtermuisknop zet de randkleur</source>
        <translation>Set the fill colour, also of the selected objects; the right mouse button sets the outline colour</translation>
    </message>
    <message>
        <source>Vulkleur (rechtermuisknop: randkleur)</source>
        <translation>Fill Colour (right button: Outline Colour)</translation>
    </message>
    <message>
        <source>Zet randkleur, ook voor geselecteerde objecten</source>
        <translation>Set the outline colour, also of the selected objects</translation>
    </message>
    <message>
        <source>Randkleur</source>
        <translation>Outline Colour</translation>
    </message>
    <message>
        <source>K&amp;nippen	Ctrl+X</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>Knip de geselecteerde objecten naar het klembord</source>
        <translation>Cut the selected objects to the clipboard</translation>
    </message>
    <message>
        <source>Knippen</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>&amp;Plakken	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>Plak objecten van het klembord; een klik zet ze neer</source>
        <translation>Paste objects from the clipboard; a click places them</translation>
    </message>
    <message>
        <source>Plakken</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Naar &amp;voren	Ctrl+Shift+Pijl Op</source>
        <translation>Bring to F&amp;ront	Ctrl+Shift+Up</translation>
    </message>
    <message>
        <source>Zet de geselecteerde objecten voor alle andere</source>
        <translation>Put the selected objects in front of all others</translation>
    </message>
    <message>
        <source>Naar voren</source>
        <translation>Bring to Front</translation>
    </message>
    <message>
        <source>Naar &amp;achteren	Ctrl+Shift+Pijl Neer</source>
        <translation>Send to Bac&amp;k	Ctrl+Shift+Down</translation>
    </message>
    <message>
        <source>Zet de geselecteerde objecten achter alle andere</source>
        <translation>Put the selected objects behind all others</translation>
    </message>
    <message>
        <source>Naar achteren</source>
        <translation>Send to Back</translation>
    </message>
    <message>
        <source>&amp;Kopiëren	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>Selecteer a&amp;lle objecten	Ctrl+A</source>
        <translation>Select &amp;All Objects	Ctrl+A</translation>
    </message>
    <message>
        <source>Verwij&amp;der	Alt+Delete</source>
        <translation>&amp;Delete	Alt+Delete</translation>
    </message>
    <message>
        <source>Be&amp;werken</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Randkleur %1, vulkleur %2</source>
        <translation>Outline colour %1, fill colour %2</translation>
    </message>
</context>
<context>
    <name>CObjectenDlg</name>
    <message>
        <source>Objecten</source>
        <translation>Objects</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Punt 1</source>
        <translation>Point 1</translation>
    </message>
    <message>
        <source>Punt 2</source>
        <translation>Point 2</translation>
    </message>
    <message>
        <source>Kleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Vulling</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Geselecteerde objecten verwijderen.
Klik op nummer, voor meer dan een met CTRL of SHIFT</source>
        <translation>Delete the selected objects.
Click a number, for more than one with CTRL or SHIFT</translation>
    </message>
    <message>
        <source>Klikken op # selecteert alles of niets.</source>
        <translation>Clicking # selects all or nothing.</translation>
    </message>
    <message>
        <source>WegVulling</source>
        <translation>No Fill</translation>
    </message>
    <message>
        <source>ZetVulling</source>
        <translation>Set Fill</translation>
    </message>
    <message>
        <source>Lijndikte++</source>
        <translation>Line Width++</translation>
    </message>
    <message>
        <source>Lijndikte--</source>
        <translation>Line Width--</translation>
    </message>
    <message>
        <source>VerwisselXY</source>
        <translation>Swap XY</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Selecteer een of meer regels.
Klik links in kolom #.</source>
        <translation>Select one or more rows.
Click on the left in column #.</translation>
    </message>
    <message>
        <source>Pluvo</source>
        <translation>Pluvo</translation>
    </message>
    <message>
        <source>Weet u het zeker?</source>
        <translation>Are you sure?</translation>
    </message>
</context>
<context>
    <name>CPluvoApp</name>
    <message>
        <source>gebruik: pluvo [--print] [TEKENING] of pluvo convert INVOER UITVOER</source>
        <translation>usage: pluvo [--print] [DRAWING] or pluvo convert INPUT OUTPUT</translation>
    </message>
    <message>
        <source>Kan %1 niet openen: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>kan %1 niet lezen: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>er is geen printer; niets afgedrukt</source>
        <translation>there is no printer; nothing printed</translation>
    </message>
    <message>
        <source>het afdrukken op %1 kon niet beginnen</source>
        <translation>printing on %1 could not start</translation>
    </message>
</context>
<context>
    <name>CanvasAccessible</name>
    <message>
        <source>Tekening</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Het tekenveld. De pijltjestoetsen zetten de cursor een rasterhokje verder, met Alt een pixel; spatie of Enter klikt, met Shift en Ctrl zoals bij de muis; Esc breekt af; de menutoets opent Kenmerken; F6 gaat naar de werkbalk en de kleurenbalk.</source>
        <translation>The drawing area. The arrow keys move the cursor a grid cell, with Alt a pixel; Space or Enter clicks, with Shift and Ctrl as with the mouse; Esc cancels; the menu key opens Properties; F6 goes to the toolbar and the colour bar.</translation>
    </message>
</context>
<context>
    <name>CanvasExport</name>
    <message>
        <source>ongeldige afmeting %1x%2</source>
        <translation>invalid size %1x%2</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven</source>
        <translation>cannot write %1</translation>
    </message>
</context>
<context>
    <name>CanvasSpeech</name>
    <message>
        <source>kleur %1</source>
        <translation>colour %1</translation>
    </message>
    <message>
        <source>vulling %1</source>
        <translation>fill %1</translation>
    </message>
    <message>
        <source>rand %1</source>
        <translation>outline %1</translation>
    </message>
    <message>
        <source>zonder rand</source>
        <translation>no outline</translation>
    </message>
    <message>
        <source>zonder vulling</source>
        <translation>no fill</translation>
    </message>
    <message>
        <source>Pixel %1</source>
        <translation>Pixel %1</translation>
    </message>
    <message>
        <source>Rasterpunt %1, pixel %2</source>
        <translation>Grid point %1, pixel %2</translation>
    </message>
    <message>
        <source>Pixel %1, bij rasterpunt %2</source>
        <translation>Pixel %1, near grid point %2</translation>
    </message>
    <message>
        <source>Vulling bij %1</source>
        <translation>Fill at %1</translation>
    </message>
    <message>
        <source>Polygoon: hoek %1 bij %2</source>
        <translation>Polygon: corner %1 at %2</translation>
    </message>
    <message>
        <source>Polygoon: sluit, plaatst niets</source>
        <translation>Polygon: closes, places nothing</translation>
    </message>
    <message>
        <source>Polygoon: sluit, boom van vierkanten van %1 tot %2</source>
        <translation>Polygon: closes, tree of squares from %1 to %2</translation>
    </message>
    <message>
        <source>Polygoon van %1 hoeken: sluit bij %2</source>
        <translation>Polygon of %1 corners: closes at %2</translation>
    </message>
    <message>
        <source>Lijn van %1 tot %2</source>
        <translation>Line from %1 to %2</translation>
    </message>
    <message>
        <source>Ellips van %1 tot %2</source>
        <translation>Ellipse from %1 to %2</translation>
    </message>
    <message>
        <source>Cirkel om %1 door %2</source>
        <translation>Circle around %1 through %2</translation>
    </message>
    <message>
        <source>Kwartboog van %1 tot %2</source>
        <translation>Quarter arc from %1 to %2</translation>
    </message>
    <message>
        <source>Rechthoek van %1 tot %2</source>
        <translation>Rectangle from %1 to %2</translation>
    </message>
    <message>
        <source>Veelhoek met %1 hoeken om %2 door %3</source>
        <translation>Regular polygon of %1 corners around %2 through %3</translation>
    </message>
    <message>
        <source>Tekst bij %1</source>
        <translation>Text at %1</translation>
    </message>
    <message>
        <source>Kopie van de selectie naar %1</source>
        <translation>Copy of the selection to %1</translation>
    </message>
    <message>
        <source>Selectie van %1 tot %2</source>
        <translation>Selection from %1 to %2</translation>
    </message>
    <message>
        <source>pixel %1</source>
        <translation>pixel %1</translation>
    </message>
    <message>
        <source>Geen cursor: een pijltjestoets zet hem op het raster</source>
        <translation>No cursor: an arrow key puts it on the grid</translation>
    </message>
    <message>
        <source>Niets onder de cursor</source>
        <translation>Nothing under the cursor</translation>
    </message>
    <message>
        <source>en %1 meer</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Onder de cursor: %1</source>
        <translation>Under the cursor: %1</translation>
    </message>
    <message>
        <source>Gereedschap: %1</source>
        <translation>Tool: %1</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>dof rood</source>
        <translation>dull red</translation>
    </message>
    <message>
        <source>dof groen</source>
        <translation>dull green</translation>
    </message>
    <message>
        <source>dof blauw</source>
        <translation>dull blue</translation>
    </message>
    <message>
        <source>lichtrood</source>
        <translation>light red</translation>
    </message>
    <message>
        <source>lichtgroen</source>
        <translation>light green</translation>
    </message>
    <message>
        <source>lichtblauw</source>
        <translation>light blue</translation>
    </message>
    <message>
        <source>grijs</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>olijfgroen</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>blauwgroen</source>
        <translation>teal</translation>
    </message>
    <message>
        <source>paars</source>
        <translation>purple</translation>
    </message>
    <message>
        <source>wit</source>
        <translation>white</translation>
    </message>
    <message>
        <source>lichtgrijs</source>
        <translation>light grey</translation>
    </message>
    <message>
        <source>geel</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>cyaan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>zwart</source>
        <translation>black</translation>
    </message>
    <message>
        <source>rood</source>
        <translation>red</translation>
    </message>
    <message>
        <source>felgroen</source>
        <translation>bright green</translation>
    </message>
    <message>
        <source>blauw</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>donkerrood</source>
        <translation>dark red</translation>
    </message>
    <message>
        <source>groen</source>
        <translation>green</translation>
    </message>
    <message>
        <source>donkerblauw</source>
        <translation>dark blue</translation>
    </message>
    <message>
        <source>ongeveer %1</source>
        <translation>roughly %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gebruik: pluvo [TEKENING]           de editor, met TEKENING geopend (.txt: tekstbestand)
         pluvo --print TEKENING     drukt TEKENING af op de standaardprinter
         pluvo convert INVOER UITVOER [--size BxH]
                                    zet een tekening om zonder venster (zie convert --help)
         pluvo thumbnail INVOER UITVOER.png GROOTTE
                                    schrijft een miniatuur voor bestandsbeheerders
         pluvo --help | --version   deze hulp, of de versie
</source>
        <translation>usage: pluvo [DRAWING]              the editor, with DRAWING open (.txt: a text file)
         pluvo --print DRAWING      prints DRAWING on the default printer
         pluvo convert INPUT OUTPUT [--size WxH]
                                    converts a drawing without a window (see convert --help)
         pluvo thumbnail INPUT OUTPUT.png SIZE
                                    writes a preview for file managers
         pluvo --help | --version   this help, or the version
</translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <source>kan &apos;%1&apos; niet schrijven: %2</source>
        <translation>cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--size verwacht een grootte als 800x600</source>
        <translation>--size expects a size such as 800x600</translation>
    </message>
    <message>
        <source>ongeldige grootte &apos;%1&apos;: verwacht BxH, zoals 800x600, elk 1 tot en met %2</source>
        <translation>invalid size &apos;%1&apos;: expected WxH, such as 800x600, each 1 to %2</translation>
    </message>
    <message>
        <source>onbekende optie &apos;%1&apos;</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>geef precies een invoer- en een uitvoerbestand</source>
        <translation>give exactly one input and one output file</translation>
    </message>
    <message>
        <source>kan &apos;%1&apos; niet lezen: %2</source>
        <translation>cannot read &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>gebruik: pluvo convert INVOER UITVOER [--size BxH]
  INVOER   een tekening; een naam op .txt wordt als tekstbestand gelezen
  UITVOER  .txt tekstbestand, .svg SVG, .png afbeelding, .pdf de afgedrukte pagina,
           anders een tekening
  --size   breedte x hoogte van de afbeelding in beeldpunten, elk 1 tot en met 16384
           (zonder --size: de tekening plus een rastervak, zoals het venster ten
           hoogste 16384 op een zijde en 64 miljoen beeldpunten in totaal)
</source>
        <translation>usage: pluvo convert INPUT OUTPUT [--size WxH]
  INPUT    a drawing; a name ending in .txt is read as a text file
  OUTPUT   .txt text file, .svg SVG, .png image, .pdf the printed page,
           anything else a drawing
  --size   width x height of the image in pixels, each 1 to 16384
           (without --size: the drawing plus one grid cell, like the window at
           most 16384 on a side and 64 million pixels in all)
</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>Fout in bestand op regel %1</source>
        <translation>Error in the file at line %1</translation>
    </message>
    <message>
        <source>Incorrect bestand</source>
        <translation>Invalid file</translation>
    </message>
</context>
<context>
    <name>FigureKinds</name>
    <message>
        <source>Lijn</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Ellips</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Cirkel</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>BoogKwart</source>
        <translation>Quarter Arc</translation>
    </message>
    <message>
        <source>Rechthoek</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Veelhoek (%1)</source>
        <translation>Regular Polygon (%1)</translation>
    </message>
    <message>
        <source>Opvulling</source>
        <translation>Flood Fill</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Polygoon (%1)</source>
        <translation>Free Polygon (%1)</translation>
    </message>
    <message>
        <source>Veelhoek</source>
        <translation>Regular Polygon</translation>
    </message>
    <message>
        <source>Opvullen</source>
        <translation>Flood Fill</translation>
    </message>
    <message>
        <source>Selectie</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Polygoon</source>
        <translation>Free Polygon</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>is geen gewoon bestand</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>bestand bestaat niet</source>
        <translation>file does not exist</translation>
    </message>
    <message>
        <source>geen toegang</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>is een map</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>map bestaat niet</source>
        <translation>folder does not exist</translation>
    </message>
    <message>
        <source>alleen-lezen bestandssysteem</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>schijf vol</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>schijfquotum overschreden</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>bestand te groot</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>naam te lang</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>te veel symbolische koppelingen</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>invoer-/uitvoerfout</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>onvoldoende geheugen</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>te veel open bestanden</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>bestand is in gebruik</source>
        <translation>file is in use</translation>
    </message>
    <message>
        <source>geen schrijfrechten in de map</source>
        <translation>no permission to write in the folder</translation>
    </message>
</context>
<context>
    <name>Gesture</name>
    <message>
        <source>Opp = %1 - %2</source>
        <translation>Area = %1 - %2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&amp;Terug</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Vooruit</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>In &amp;browser openen</source>
        <translation>Open in Bro&amp;wser</translation>
    </message>
    <message>
        <source>&amp;Sluiten</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Kan %1 niet openen.</source>
        <translation>Cannot open %1.</translation>
    </message>
    <message>
        <source>Geen webbrowser kan de handleiding openen; ze blijft in dit venster te lezen.</source>
        <translation>No web browser could open the guide; it can still be read in this window.</translation>
    </message>
</context>
<context>
    <name>IntegerField</name>
    <message>
        <source>Pluvo</source>
        <translation>Pluvo</translation>
    </message>
    <message>
        <source>Geef een geheel getal van %1 tot en met %2.</source>
        <translation>Enter a whole number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>Misfits</name>
    <message>
        <source>tekst %1 (%2)</source>
        <translation>text %1 (%2)</translation>
    </message>
    <message>
        <source>lettertype %1 (%2)</source>
        <translation>font %1 (%2)</translation>
    </message>
    <message>
        <source>de actieve figuur</source>
        <translation>the current figure</translation>
    </message>
    <message>
        <source>figuur %1</source>
        <translation>figure %1</translation>
    </message>
    <message>
        <source>%1 bevat een nulteken</source>
        <translation>%1 holds a zero byte</translation>
    </message>
    <message>
        <source>%1 bevat een regeleinde</source>
        <translation>%1 holds a line break</translation>
    </message>
    <message>
        <source>%1 eindigt op witruimte</source>
        <translation>%1 ends in white space</translation>
    </message>
    <message>
        <source>%1 bevat een stuurteken</source>
        <translation>%1 holds a control character</translation>
    </message>
    <message>
        <source>de naam van %1 eindigt op witruimte</source>
        <translation>the name of %1 ends in white space</translation>
    </message>
    <message>
        <source>de naam van %1 bevat een regeleinde</source>
        <translation>the name of %1 holds a line break</translation>
    </message>
    <message>
        <source>de naam van %1 is langer dan 31 tekens</source>
        <translation>the name of %1 is longer than 31 characters</translation>
    </message>
    <message>
        <source>%1 heeft tekens na het einde van zijn naam</source>
        <translation>%1 has characters after the end of its name</translation>
    </message>
    <message>
        <source>de naam van %1 bevat een stuurteken</source>
        <translation>the name of %1 holds a control character</translation>
    </message>
    <message>
        <source>%1 is %2, buiten 0 tot en met 255</source>
        <translation>%1 is %2, outside 0 to 255</translation>
    </message>
    <message>
        <source>het gereserveerde veld (FileReserved) is %1 en niet 0</source>
        <translation>the reserved field (FileReserved) is %1, not 0</translation>
    </message>
    <message>
        <source>de tekening heeft geen teksten</source>
        <translation>the drawing has no texts</translation>
    </message>
    <message>
        <source>de tekening heeft geen lettertypen</source>
        <translation>the drawing has no fonts</translation>
    </message>
    <message>
        <source>%1 verwijst naar tekst %2, die er niet is</source>
        <translation>%1 refers to text %2, which does not exist</translation>
    </message>
    <message>
        <source>%1 verwijst naar lettertype %2, dat er niet is</source>
        <translation>%1 refers to font %2, which does not exist</translation>
    </message>
    <message>
        <source>%1 ligt te ver weg; zijn getallen passen niet in 32 bits</source>
        <translation>%1 lies too far away; its numbers do not fit in 32 bits</translation>
    </message>
    <message>
        <source>een tekeningbestand kan deze tekening niet precies bewaren</source>
        <translation>a drawing file cannot hold this drawing exactly</translation>
    </message>
    <message>
        <source>een tekstbestand kan deze tekening niet precies bewaren</source>
        <translation>a text file cannot hold this drawing exactly</translation>
    </message>
    <message>
        <source>SVG kan deze tekening niet precies weergeven</source>
        <translation>SVG cannot show this drawing exactly</translation>
    </message>
</context>
<context>
    <name>PngExport</name>
    <message>
        <source>Bmp2Png.dll is er niet</source>
        <translation>Bmp2Png.dll is missing</translation>
    </message>
    <message>
        <source>Bmp2Png.dll is incorrect</source>
        <translation>Bmp2Png.dll is incorrect</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Pluvo</source>
        <translation>Pluvo</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nee</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Naamloos</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Er zijn niet-opgeslagen wijzigingen in %1 bewaard (%2). Wilt u ze terugzetten?</source>
        <translation>Unsaved changes to %1 were kept (%2). Do you want to restore them?</translation>
    </message>
    <message>
        <source>Ze komen in een nieuw venster.</source>
        <translation>They open in a new window.</translation>
    </message>
    <message>
        <source>Nee gooit ze weg; Later bewaart ze voor een volgende keer.</source>
        <translation>No throws them away; Later keeps them for another time.</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>Kan geen nieuw venster openen voor %1; de kopie blijft bewaard.</source>
        <translation>Cannot open a new window for %1; the copy is kept.</translation>
    </message>
    <message>
        <source>Kan de herstelkopie %1 niet terugzetten: ze is weg, beschadigd of al in een ander venster geopend.</source>
        <translation>Cannot restore the recovery copy %1: it is gone, damaged or already open in another window.</translation>
    </message>
</context>
<context>
    <name>ThumbnailCommand</name>
    <message>
        <source>geen bestand</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>te groot voor een miniatuur</source>
        <translation>too large for a thumbnail</translation>
    </message>
    <message>
        <source>geen tekening</source>
        <translation>not a drawing</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>gebruik: pluvo thumbnail INVOER UITVOER.png GROOTTE (1-%1)</source>
        <translation>usage: pluvo thumbnail INPUT OUTPUT.png SIZE (1-%1)</translation>
    </message>
</context>
</TS>
