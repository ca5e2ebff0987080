<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- Qt's own texts in Serbian, Latin script without diacritics: the standard buttons, the common dialogs, the print dialogs and context menus. -->
<TS version="2.1" language="sr_Latn_RS">
<context>
    <name>CloseButton</name>
    <message>
        <source>Close Tab</source>
        <translation>Zatvori karticu</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Alias</source>
        <translation>Alijas</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Precica</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznato</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Izaberi sve</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Korak navise</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Korak na&amp;nize</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Decrease</source>
        <translation>Smanji</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Smanjuje vrednost</translation>
    </message>
    <message>
        <source>Goes back a page</source>
        <translation>Vraca se za jednu stranu</translation>
    </message>
    <message>
        <source>Goes to the next page</source>
        <translation>Prelazi na sledecu stranu</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Povecaj</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Povecava vrednost</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Sledeca strana</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pritisni</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Prethodna strana</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Pomeri ulevo</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Pomeri udesno</translation>
    </message>
    <message>
        <source>Scrolls down</source>
        <translation>Pomera nadole</translation>
    </message>
    <message>
        <source>Scrolls to the left</source>
        <translation>Pomera ulevo</translation>
    </message>
    <message>
        <source>Scrolls to the right</source>
        <translation>Pomera udesno</translation>
    </message>
    <message>
        <source>Scrolls up</source>
        <translation>Pomera nagore</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>Postavi fokus</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Postavlja fokus</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Prikazuje meni</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Prebaci</translation>
    </message>
    <message>
        <source>Toggles the state</source>
        <translation>Menja stanje</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>Pokrece radnju</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>False</source>
        <translation>Netacno</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Otvara listu za izbor</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Tacno</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>Naslovne strane</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Podaci za naplatu:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Poverljivo</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Strogo poverljivo</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Dan (od 06:00 do 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Kraj:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Zadrzi neograniceno</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Posao</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Upravljanje poslom</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritet posla:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Noc (od 18:00 do 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nema</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Stampaj odmah</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Zakazano stampanje:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Druga smena (od 16:00 do 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Tajno</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Odredjeno vreme</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardno</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Pocetak:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Treca smena (od 00:00 do 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Strogo tajno</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Neklasifikovano</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Vikend (od subote do nedelje)</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Potrebna je prijava</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Za upotrebu stampaca %1 na %2 potrebna je prijava.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Za upotrebu stampaca %1 potrebna je prijava.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Korisnicko ime:</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Sta je ovo?</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Otkazi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Snimi</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkazi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zatvori bez snimanja</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odbaci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Zanemari</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e za sve</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ponisti</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vrati podrazumevano</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Pokusaj ponovo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Snimi</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Snimi sve</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da za &amp;sve</translation>
    </message>
</context>
<context>
    <name>QFile</name>
    <message>
        <source>Cannot create %1 for output</source>
        <translation>Nije moguce napraviti %1 za upis</translation>
    </message>
    <message>
        <source>Cannot create %1 for output: %2</source>
        <translation>Nije moguce napraviti %1 za upis: %2</translation>
    </message>
    <message>
        <source>Cannot open %1 for input</source>
        <translation>Nije moguce otvoriti %1 za citanje</translation>
    </message>
    <message>
        <source>Cannot open destination file: %1</source>
        <translation>Nije moguce otvoriti odredisnu datoteku: %1</translation>
    </message>
    <message>
        <source>Cannot open for output</source>
        <translation>Nije moguce otvoriti za upis</translation>
    </message>
    <message>
        <source>Cannot open for output: %1</source>
        <translation>Nije moguce otvoriti za upis: %1</translation>
    </message>
    <message>
        <source>Cannot remove source file</source>
        <translation>Nije moguce ukloniti izvornu datoteku</translation>
    </message>
    <message>
        <source>Destination file exists</source>
        <translation>Odredisna datoteka vec postoji</translation>
    </message>
    <message>
        <source>Destination file is the same file.</source>
        <translation>Odredisna datoteka je ista datoteka.</translation>
    </message>
    <message>
        <source>Error while renaming: %1</source>
        <translation>Greska pri preimenovanju: %1</translation>
    </message>
    <message>
        <source>Failure to write block</source>
        <translation>Upis bloka nije uspeo</translation>
    </message>
    <message>
        <source>Failure to write block: %1</source>
        <translation>Upis bloka nije uspeo: %1</translation>
    </message>
    <message>
        <source>Source file does not exist.</source>
        <translation>Izvorna datoteka ne postoji.</translation>
    </message>
    <message>
        <source>Unable to restore from %1: %2</source>
        <translation>Nije moguce vratiti iz %1: %2</translation>
    </message>
    <message>
        <source>Will not rename sequential file using block copy</source>
        <translation>Sekvencijalna datoteka se ne preimenuje kopiranjem blokova</translation>
    </message>
</context>
<context>
    <name>QFileDevice</name>
    <message>
        <source>No file engine available</source>
        <translation>Nema dostupnog sistema datoteka</translation>
    </message>
    <message>
        <source>No file engine available or engine does not support UnMapExtension</source>
        <translation>Nema dostupnog sistema datoteka ili ne podrzava UnMapExtension</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Fascikla nije pronadjena.
Proverite da li je ime fascikle tacno.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Datoteka nije pronadjena.
Proverite da li je ime datoteke tacno.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 vec postoji.
Da li zelite da je zamenite?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Izaberi</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>O&amp;brisi</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nova fascikla</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otvori</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Preimenuj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Snimi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; je zasticena od upisa.
Da li ipak zelite da je obrisete?</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alijas</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>Mac OS X Finder</comment>
        <translation>Alijas</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Da li sigurno zelite da obrisete &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Prikaz sa detaljima</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Prikaz u listi</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Fascikla nije mogla da se obrise.</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Napravi novu fasciklu</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Napravi novu fasciklu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obrisi</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detalji</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Fascikle</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Fascikla:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Ime datoteke:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Datoteke</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Vrsta datoteka:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Izbor fascikle</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Napred</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Idi nazad</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Idi napred</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Idi u nadredjenu fasciklu</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Spisak mesta i obelezivaca</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Trazi u:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova fascikla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvaranje</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Nadredjena fascikla</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Skorasnja mesta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ukloni</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Snimanje</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Precica</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Prikazi </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Prikazi &amp;skrivene datoteke</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bocna traka</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznato</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Racunar</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Izmenjeno</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velicina</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Any</source>
        <translation>Bilo koje</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arapsko</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Jermensko</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalsko</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Crno</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Podebljano</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirilica</translation>
    </message>
    <message>
        <source>Demi</source>
        <translation>Polu</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <translation>Polupodebljano</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>Devanagari</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Ekstra</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>Ekstra podebljano</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>Ekstra tanko</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Gruzijsko</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grcko</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Gudzarati</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmuki</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrejsko</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kurziv</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japansko</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Kmersko</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejsko</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Laosko</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latinica</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Tanko</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malajalam</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Srednje</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Mjanmarsko</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>N&apos;Ko</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Obicno</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>The Normal or Regular font weight</comment>
        <translation>Obicno</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Koso</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>Ogamsko</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Orija</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>Runsko</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Pojednostavljeno kinesko</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Sinhalsko</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Sirijsko</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamilsko</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>Tana</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tajlandsko</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Veoma tanko</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetansko</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Tradicionalno kinesko</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vijetnamsko</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Velicina</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Podvuceno</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efekti</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>S&amp;til fonta</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Uzorak</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Izbor fonta</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>P&amp;recrtano</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>P&amp;ismo</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Otkazi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Snimi</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zatvori bez snimanja</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>No space left on device</source>
        <translation>Na uredjaju nema vise mesta</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Nema takve datoteke ili fascikle</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Pristup nije dozvoljen</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Previse otvorenih datoteka</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nepoznata greska</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Unesite vrednost:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>P&amp;onisti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ise&amp;ci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obrisi</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
<context>
    <name>QMdiArea</name>
    <message>
        <source>(Untitled)</source>
        <translation>(Bez naslova)</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>%1 - [%2]</source>
        <translation>%1 - [%2]</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Pomeri</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Vrati</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Velicina</translation>
    </message>
    <message>
        <source>- [%1]</source>
        <translation>- [%1]</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ksimizuj</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksimizuj</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meni</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizuj</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizuj</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Vrati</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Vrati</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Smotaj</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Uvek na &amp;vrhu</translation>
    </message>
    <message>
        <source>Unshade</source>
        <translation>Odmotaj</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>About Qt</source>
        <translation>O Qt-u</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sakrij detalje...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Prikazi detalje...</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>bottom margin</source>
        <translation>donja margina</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Prilagodjeno</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Visina:</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inci (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Polozeno</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>leva margina</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margine</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orijentacija</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Raspored strane</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Redosled strana:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Velicina strane:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Strana po listu:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Izvor papira:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pika (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Tacke (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Uspravno</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Obrnuto polozeno</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Obrnuto uspravno</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>desna margina</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>gornja margina</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Sirina:</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4, mali</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Arhitektonski A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Arhitektonski B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Arhitektonski C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arhitektonski D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Arhitektonski E</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Prilagodjeno</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Prilagodjeno (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Prilagodjeno (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Prilagodjeno (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Prilagodjeno (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Prilagodjeno (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Prilagodjeno (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dvostruka dopisnica</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Koverta B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Koverta B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Koverta B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Koverta C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Koverta C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Koverta C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Koverta C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Koverta C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Koverta C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Koverta C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Koverta C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Koverta C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Koverta Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Koverta Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Koverta DL</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Koverta za pozivnicu</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Koverta, italijanska</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Koverta Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Koverta Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Koverta Monarch</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Koverta, licna</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Koverta PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Koverta PRC 10</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Koverta PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Koverta PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Koverta PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Koverta PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Koverta PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Koverta PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Koverta PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Koverta PRC 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Koverta SAD 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Koverta SAD 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Koverta SAD 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Koverta SAD 14</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Koverta SAD 9</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Koverta You 4</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7.25 x 10.5 in)</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7.5 x 10 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Beskonacni papir, nemacki (8.5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Beskonacni papir, nemacki Legal (8.5 x 13 in)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Beskonacni papir, SAD (14.875 x 11 in)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8.27 x 13 in)</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter, mali</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Beleska</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Dopisnica</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K Big</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid Extra</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkazi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odbaci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Zanemari</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e za sve</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ponisti</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vrati podrazumevano</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Pokusaj ponovo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Snimi</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Snimi sve</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da za &amp;sve</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 vec postoji.
Da li zelite da je zamenite?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nije ispravno napisano. Strane i opsege razdvojite sa &apos;,&apos;, opseg zadajte sa &apos;-&apos; i pazite da se opsezi ne preklapaju.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 je fascikla.
Izaberite drugo ime datoteke.</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opcije &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opcije &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampaj</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Sve strane</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatski</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Odozdo nagore, sleva nadesno</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Odozdo nagore, zdesna nalevo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Prilagodjeno</translation>
    </message>
    <message>
        <source>DLE</source>
        <translation>DLE</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Sukob podesavanja dvostrane stampe</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Parne strane</translation>
    </message>
    <message>
        <source>Executive</source>
        <translation>Executive</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>U datoteku %1 nije moguce pisati.
Izaberite drugo ime datoteke.</translation>
    </message>
    <message>
        <source>Folio</source>
        <translation>Folio</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Neispravno zadate strane</translation>
    </message>
    <message>
        <source>Ledger</source>
        <translation>Ledger</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Sleva nadesno, odozdo nagore</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Sleva nadesno, odozgo nadole</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokalna datoteka</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Neparne strane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Opcije &apos;Strana po listu&apos; i &apos;Skup strana&apos; ne mogu zajedno.
Iskljucite jednu od njih.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampanje</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Stampaj u datoteku (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Stampaj u datoteku ...</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Zdesna nalevo, odozdo nagore</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Zdesna nalevo, odozgo nadole</translation>
    </message>
    <message>
        <source>Tabloid</source>
        <translation>Tabloid</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Podesavanja dvostrane stampe su u sukobu. Da li zelite da ih ispravite?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Odozgo nadole, sleva nadesno</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Odozgo nadole, zdesna nalevo</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Upisi PDF datoteku</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prva strana</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Cela strana</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Cela sirina</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Polozeno</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Poslednja strana</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Sledeca strana</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Podesavanje strane</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Podesavanje strane</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Uspravno</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Prethodna strana</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampaj</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Pregled pre stampe</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Prikazi naspramne strane</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Prikazi pregled svih strana</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Prikazi jednu stranu</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Uvecaj</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Umanji</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Sukob naprednih opcija</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opcije posla</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Sukob podesavanja strane</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Svojstva stampaca</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Opcije podesavanja strane su u sukobu. Da li zelite da ih ispravite?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Neke napredne opcije su u sukobu. Da li zelite da ih ispravite?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Napredno</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Strana</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Neke opcije su u sukobu. Ispravite ih.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Slozi po primercima</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>U boji</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Boje</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Primerci</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Broj primeraka:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Tekuca strana</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Dvostrana stampa</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Nijanse sive</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Duza ivica</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Povez po duzoj ivici</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nema</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Iskljuceno</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Podesavanje izlaza</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Skup strana:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strane</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Strane od</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Stampaj sve</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Opseg stampe</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Obrnutim redom</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Izabrano</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Kraca ivica</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Povez po kracoj ivici</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Navedite strane ili opsege razdvojene zarezima. Opseg su dva broja razdvojena crticom. Na primer 3,5-7,9 stampa strane 3, 5, 6, 7 i 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Ime:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokacija:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Izlazna &amp;datoteka:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>S&amp;vojstva</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampac</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Vrsta:</translation>
    </message>
</context>
<context>
    <name>QSaveFile</name>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>U postojecu datoteku %1 nije moguce pisati</translation>
    </message>
    <message>
        <source>Filename refers to a directory</source>
        <translation>Ime datoteke oznacava fasciklu</translation>
    </message>
    <message>
        <source>Writing canceled by application</source>
        <translation>Aplikacija je otkazala upis</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>Dno</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Leva ivica</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Strana nadole</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Strana ulevo</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Strana udesno</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Strana nagore</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Desna ivica</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Pomeri nadole</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Pomeri ovde</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Pomeri ulevo</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Pomeri udesno</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Pomeri nagore</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Vrh</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Pomeri ulevo</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Pomeri udesno</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Prvo jako izdvajanje</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Umetni kontrolni Unicode znak</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Pocetak ugradjivanja sleva nadesno</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Izdvajanje sleva nadesno</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Oznaka sleva nadesno</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Pocetak nametanja sleva nadesno</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Kraj usmerenog formatiranja</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Kraj usmerenog izdvajanja</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Pocetak ugradjivanja zdesna nalevo</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Izdvajanje zdesna nalevo</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Oznaka zdesna nalevo</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Pocetak nametanja zdesna nalevo</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Spajac nulte sirine</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Razdvajac nulte sirine</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Razmak nulte sirine</translation>
    </message>
</context>
<context>
    <name>QWhatsThisAction</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Sta je ovo?</translation>
    </message>
</context>
<context>
    <name>QWidget</name>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>P&amp;onisti</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiraj adresu &amp;veze</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ise&amp;ci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obrisi</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
</TS>
