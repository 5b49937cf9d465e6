#include "code_button.h"
#include "marker_colour.h"

#include "barwik/host/colour_button_host.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVariant>

namespace trop {
namespace {

constexpr const char* kIdProperty = "codeButtonId";
constexpr const char* kColourButtonClass = "barwik::ColourButton";

// The plain stand-in for the colour button, with the same two signals.
class PlainCodeButton : public QPushButton {
    Q_OBJECT
public:
    PlainCodeButton(QWidget* parent, int id, const QString& text) : QPushButton(text, parent), id_(id)
    {
        setAutoDefault(false);
        setContextMenuPolicy(Qt::PreventContextMenu);
        connect(this, &QPushButton::clicked, this, [this] { emit codeClicked(id_); },
                Qt::QueuedConnection);
    }

signals:
    void codeClicked(int id);
    void codeContextRequested(int id, QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::RightButton) {
            QMetaObject::invokeMethod(this, "codeContextRequested", Qt::QueuedConnection,
                                      Q_ARG(int, id_), Q_ARG(QPoint, event->globalPosition().toPoint()));
            event->accept();
            return;
        }
        QPushButton::mousePressEvent(event);
    }

private:
    int id_;
};

int buttonId(const QWidget* button) { return button->property(kIdProperty).toInt(); }

void requestClick(QWidget* button)
{
    if (auto* plain = qobject_cast<PlainCodeButton*>(button))
        plain->click();
    else
        QMetaObject::invokeMethod(button, "clicked", Qt::QueuedConnection, Q_ARG(int, buttonId(button)));
}

void requestContext(QWidget* button)
{
    const QPoint centre = button->mapToGlobal(button->rect().center());
    if (auto* plain = qobject_cast<PlainCodeButton*>(button))
        QMetaObject::invokeMethod(plain, "codeContextRequested", Qt::QueuedConnection,
                                  Q_ARG(int, buttonId(button)), Q_ARG(QPoint, centre));
    else
        QMetaObject::invokeMethod(button, "contextRequested", Qt::QueuedConnection,
                                  Q_ARG(int, buttonId(button)), Q_ARG(QPoint, centre));
}

bool isPressKey(const QKeyEvent& key)
{
    return key.modifiers() == Qt::NoModifier
           && (key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter);
}

bool isMenuKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Menu
           || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

// Presses the button from the keyboard and opens its menu from the keyboard.
class KeyboardPress : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* button = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::KeyRelease)
            return isPressKey(*static_cast<QKeyEvent*>(event));
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (isPressKey(key)) {
            if (!key.isAutoRepeat() && button->isEnabled())
                requestClick(button);
            return true;
        }
        if (isMenuKey(key)) {
            requestContext(button);
            return true;
        }
        return false;
    }
};

// A dotted focus rectangle over a colour button, which paints none itself.
class FocusMark : public QWidget {
public:
    explicit FocusMark(QWidget* button) : QWidget(button)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
        setGeometry(button->rect());
        hide();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        else if (event->type() == QEvent::FocusIn)
            show(), raise();
        else if (event->type() == QEvent::FocusOut)
            hide();
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
};

// Assistive tools see a colour button as a push button named by its text.
class ColourButtonAccessible : public QAccessibleWidget {
public:
    explicit ColourButtonAccessible(QWidget* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->property("text").toString();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            requestClick(widget());
    }
};

QAccessibleInterface* colourButtonAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(kColourButtonClass) && object && object->isWidgetType())
        return new ColourButtonAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void installAccessibleFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(colourButtonAccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

QWidget* createCodeButton(QWidget* parent, int id, const QString& text)
{
    installAccessibleFactoryOnce();
    QWidget* button = barwik::createColourButton(parent, id, text);
    if (button)
        new FocusMark(button);
    else
        button = new PlainCodeButton(parent, id, text);
    button->setProperty(kIdProperty, id);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAccessibleName(text);
    button->installEventFilter(new KeyboardPress(button));
    return button;
}

void setCodeButtonText(QWidget* button, const QString& text)
{
    if (!button)
        return;
    if (auto* plain = qobject_cast<PlainCodeButton*>(button))
        plain->setText(text);
    else
        button->setProperty("text", text);
    button->setAccessibleName(text);
}

void setCodeButtonColour(QWidget* button, std::uint32_t colour)
{
    auto* plain = qobject_cast<PlainCodeButton*>(button);
    if (!plain) {
        barwik::setButtonColour(button, colour);
        return;
    }
    const QColor fill = markerColour(colour);
    QPalette palette = plain->palette();
    palette.setColor(QPalette::Button, fill);
    palette.setColor(QPalette::ButtonText, fill.lightness() < 128 ? Qt::white : Qt::black);
    plain->setPalette(palette);
}

void onCodeButtonClicked(QWidget* button, QObject* context, std::function<void(int)> onClick)
{
    if (auto* plain = qobject_cast<PlainCodeButton*>(button)) {
        QObject::connect(plain, &PlainCodeButton::codeClicked, context ? context : plain,
                         [onClick = std::move(onClick)](int id) { onClick(id); });
        return;
    }
    barwik::onColourButtonClicked(button, context, std::move(onClick));
}

void onCodeButtonContextRequested(QWidget* button, QObject* context,
                                  std::function<void(int, QPoint)> onContext)
{
    if (auto* plain = qobject_cast<PlainCodeButton*>(button)) {
        QObject::connect(plain, &PlainCodeButton::codeContextRequested, context ? context : plain,
                         [onContext = std::move(onContext)](int id, QPoint at) { onContext(id, at); });
        return;
    }
    barwik::onColourButtonContextRequested(button, context, std::move(onContext));
}

} // namespace trop

#include "code_button.moc"
