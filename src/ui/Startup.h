// What every start of the designer does before its first window: the
// program's name, desktop identity and icon, and Qt's own texts (standard
// buttons, input and file boxes) in Chinese, the program's one language,
// whatever the user's locale says.
#pragma once

class QApplication;
class QString;

// The identifier of the desktop entry, the icon and the metainfo file.
inline constexpr char kDesktopId[] = "org.corvane.Corvane";

// Sets the application up; false when Qt's Chinese translation was not
// found (the program then runs with Qt's English standard texts).
bool SetUpApplication(QApplication& app);

// The program's version, as the build states it.
QString ProgramVersion();

// Where Qt's Chinese translation was looked for, for the warning.
QString QtTranslationDirectory();
