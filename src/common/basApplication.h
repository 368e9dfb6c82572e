#pragma once
// The application object: what the running program knows about itself.
#include <QString>

namespace tralyx::App {

QString Title();      // the application's display name ("Tralyx" for the editor)
QString Path();       // the folder that holds the running program
int Major();
int Minor();
int Revision();

}  // namespace tralyx::App
