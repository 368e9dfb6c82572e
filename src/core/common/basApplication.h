#pragma once
// The application object: what the running program knows about itself.
#include <QLocale>
#include <QString>

namespace tralyx::App {

QString Title();      // the application's display name ("Tralyx" for the editor)
QString Path();       // the folder that holds the running program, unless set below
// Makes Path() answer another folder (an application that keeps its languages elsewhere, or a
// test); an empty folder restores the program's own.
void SetPath(const QString& pstrFolder);
int Major();
int Minor();
int Revision();
// The locale that numbers inside the program's texts follow: US English, or the language of the
// translation the program shows its texts in.
QLocale TextLocale();
void SetTextLocale(const QLocale& pobjLocale);

}  // namespace tralyx::App
