#pragma once

#include <QString>

// The run folder holds the program and every file it loads by name: the drug
// databases, the help pages and the pictures.
namespace AssetPaths {

// The folder of the running program unless a test has named another.
QString folder();
void setFolder(const QString &folder);

QString file(const QString &name);     // a file beside the program
QString picture(const QString &name);  // pictures/<name>
QString helpPage(const QString &name); // help/<name>

} // namespace AssetPaths
