#include "barwik/host/colour_button_host.h"

#include <QDir>
#include <QLibrary>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace barwik {
namespace {

using CreateButtonFunction = QWidget* (*)(QWidget* parent, int id, const QString& text);

// Handle and entry point of the loaded library; never unloaded, since
// buttons created by it may live until the program ends.
struct LoadedLibrary {
    std::unique_ptr<QLibrary> library;
    CreateButtonFunction createButton = nullptr;
};

LoadedLibrary& loadedLibrary()
{
    static LoadedLibrary loaded;
    return loaded;
}

// Forwards one signal of a button to a function; lives as a child of the
// button, so it goes with it. Once its context object is gone it stays
// silent, since the functions usually capture that object.
class SignalRelay : public QObject {
    Q_OBJECT
public:
    SignalRelay(QWidget* button, QObject* context)
        : QObject(button), context_(context), hasContext_(context != nullptr)
    {
    }
    std::function<void(int)> onClick;
    std::function<void(int, QPoint)> onContext;

public slots:
    void relayClicked(int id)
    {
        if (onClick && contextAlive())
            onClick(id);
    }
    void relayContextRequested(int id, QPoint globalPos)
    {
        if (onContext && contextAlive())
            onContext(id, globalPos);
    }

private:
    bool contextAlive() const { return !hasContext_ || context_; }

    QPointer<QObject> context_;
    bool hasContext_;
};

// `signal` and `slot` come from SIGNAL() and SLOT(); a widget that lacks the
// signal is not a colour button and gets no relay.
bool connectRelay(QWidget* button, const char* signal, SignalRelay* relay, const char* slot)
{
    const QByteArray signature = QMetaObject::normalizedSignature(signal + 1);
    if (button->metaObject()->indexOfSignal(signature.constData()) < 0
        || !QObject::connect(button, signal, relay, slot)) {
        delete relay;
        return false;
    }
    return true;
}

} // namespace

QStringList colourButtonLibraryFolders(const QString& programFolder)
{
    const QDir folder(programFolder);
    return {folder.absolutePath(), QDir::cleanPath(folder.filePath(QStringLiteral(BARWIK_INSTALLED_FROM_PROGRAMS)))};
}

bool loadColourButtonLibrary(const QString& programFolder)
{
    LoadedLibrary& loaded = loadedLibrary();
    if (loaded.createButton)
        return true;
    for (const QString& folder : colourButtonLibraryFolders(programFolder)) {
        auto library = std::make_unique<QLibrary>(QDir(folder).filePath(QStringLiteral("Barwik")));
        if (!library->load())
            continue;
        auto createButton = reinterpret_cast<CreateButtonFunction>(library->resolve("barwikCreateButton"));
        if (!createButton)
            continue;
        loaded.library = std::move(library);
        loaded.createButton = createButton;
        return true;
    }
    return false;
}

bool isColourButtonLibraryLoaded() { return loadedLibrary().createButton != nullptr; }

QWidget* createColourButton(QWidget* parent, int id, const QString& text)
{
    const CreateButtonFunction createButton = loadedLibrary().createButton;
    return createButton ? createButton(parent, id, text) : nullptr;
}

void setButtonColour(QWidget* button, std::uint32_t colour)
{
    if (button)
        QMetaObject::invokeMethod(button, "setColour", Q_ARG(uint, colour));
}

bool onColourButtonClicked(QWidget* button, QObject* context, std::function<void(int)> onClick)
{
    if (!button)
        return false;
    auto* relay = new SignalRelay(button, context);
    relay->onClick = std::move(onClick);
    return connectRelay(button, SIGNAL(clicked(int)), relay, SLOT(relayClicked(int)));
}

bool onColourButtonContextRequested(QWidget* button, QObject* context,
                                    std::function<void(int, QPoint)> onContext)
{
    if (!button)
        return false;
    auto* relay = new SignalRelay(button, context);
    relay->onContext = std::move(onContext);
    return connectRelay(button, SIGNAL(contextRequested(int, QPoint)), relay,
                        SLOT(relayContextRequested(int, QPoint)));
}

} // namespace barwik

#include "colour_button_host.moc"
