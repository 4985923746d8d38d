#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The application help file and its help window's owner.
namespace HelpFiles {

// The application help file inside a folder: one "/" between them, none added
// when the folder already ends in one.
QString applicationHelpPath(const QString &folder);
QString applicationHelpFile();

} // namespace HelpFiles

// Remembers the window as the owner of help and fixes the application help
// file in the program folder.
void InitHelpFile(QWidget *window);
// Closes the application help file's window.
void QuitHelp();

// The invisible help control a window offers help through: a help file, a
// command of the help engine and a topic number.
class HelpDialog final : public QObject
{
    Q_OBJECT

public:
    HelpDialog(const QString &name, const QString &helpFile, int helpCommand, QWidget *owner);

    QString helpFile() const { return m_file; }
    void setHelpFile(const QString &file) { m_file = file; }
    int helpCommand() const { return m_command; }
    qint32 helpContext() const { return m_context; }
    void setHelpContext(qint32 context) { m_context = context; }

    void showHelp();

private:
    QWidget *m_owner;
    QString m_file;
    int m_command;
    qint32 m_context = 0;
};
