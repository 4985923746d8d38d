#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;
class HelpViewer;

// The program's help engine: each help file name maps to one of our HTML
// pages in the help folder ("heart.hlp" -> help/heart.html, "vivosim" and
// ".../Vivosim.HLP" -> help/vivosim.html). One help window per file.
namespace HelpEngine {

enum Command : int {
    ShowTopic = 1, // show topic <context> of the file
    Quit = 2,      // close the file's help window
    ForceFile = 9, // show the file, at its contents unless already on show
};

void run(QWidget *owner, const QString &helpFile, int command, qint32 context);

// The page a help file name stands for: folder and ".hlp" dropped, lower case.
QString pageKey(const QString &helpFile);
// The anchor of a numbered topic inside its page ("topic50").
QString topicAnchor(qint32 context);

HelpViewer *viewer(const QString &helpFile);
void closeAll();

} // namespace HelpEngine
