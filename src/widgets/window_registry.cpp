#include "widgets/window_registry.h"

#include "widgets/form_window.h"

#include <QHash>
#include <QPointer>

namespace WindowRegistry {

namespace {

struct Registry
{
    QHash<QString, Factory> factories;
    QHash<QString, QPointer<FormWindow>> loaded;
    QStringList loadOrder;
    std::function<void()> onLastUnload;
};

Registry &registry()
{
    static Registry r;
    return r;
}

} // namespace

void define(const QString &name, Factory factory)
{
    registry().factories.insert(name, std::move(factory));
}

bool isDefined(const QString &name)
{
    return bool(registry().factories.value(name));
}

FormWindow *find(const QString &name)
{
    return registry().loaded.value(name).data();
}

FormWindow *load(const QString &name)
{
    Registry &r = registry();
    if (FormWindow *existing = find(name))
        return existing;
    const Factory factory = r.factories.value(name);
    if (!factory)
        return nullptr;
    FormWindow *window = factory();
    r.loaded.insert(name, window);
    r.loadOrder.append(name);
    window->load();
    // The load may have ended the program (a refused screen), unloading the
    // window it was building.
    if (find(name) != window)
        return nullptr;
    return window;
}

FormWindow *show(const QString &name)
{
    FormWindow *window = load(name);
    if (window) {
        window->show();
        window->raise();
        window->activateWindow();
    }
    return window;
}

void unload(const QString &name)
{
    Registry &r = registry();
    const QPointer<FormWindow> window = r.loaded.take(name);
    r.loadOrder.removeAll(name);
    if (!window)
        return;
    window->unloaded();
    window->hide();
    window->deleteLater();
    if (r.loaded.isEmpty() && r.onLastUnload)
        r.onLastUnload();
}

void unloadAll()
{
    // Newest first, so a window never outlives one it was opened from.
    const QStringList names = registry().loadOrder;
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        unload(*it);
}

QStringList loadedNames()
{
    return registry().loadOrder;
}

void setLastUnloadHandler(std::function<void()> handler)
{
    registry().onLastUnload = std::move(handler);
}

} // namespace WindowRegistry
