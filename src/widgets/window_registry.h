#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class FormWindow;

// One instance per window, reached by the window's name. Show creates and
// loads the window when needed; unload runs its unload handler and destroys
// it, so the next Show starts afresh. A window named but not yet built into
// the program is simply not defined.
namespace WindowRegistry {

using Factory = std::function<FormWindow *()>;

// An empty factory leaves the window undefined.
void define(const QString &name, Factory factory);
bool isDefined(const QString &name);

// Creates and loads the window if it is not loaded. Returns nullptr when the
// window is not defined or its own load unloaded it (the program ended).
FormWindow *load(const QString &name);
// load() followed by showing the window.
FormWindow *show(const QString &name);
void unload(const QString &name);
void unloadAll();

FormWindow *find(const QString &name);
template <class W> W *find(const QString &name);
QStringList loadedNames();

// Called whenever an unload leaves no window loaded (the program then ends).
void setLastUnloadHandler(std::function<void()> handler);

} // namespace WindowRegistry

#include "widgets/form_window.h"

template <class W> W *WindowRegistry::find(const QString &name)
{
    return qobject_cast<W *>(find(name));
}
