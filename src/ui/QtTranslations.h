#pragma once
// Qt's own texts (the file dialogs, the buttons of message boxes) in Japanese, like the
// rest of the program, whatever language the system is set to.
//
// Looks for Qt's Japanese catalogues in Qt's translations folder, then in "translations"
// beside the program (where the Windows build ships them). True when Qt's base catalogue
// was found and installed.
bool LoadQtTranslations();
