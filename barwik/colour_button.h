#pragma once
// The colour button widget: a push button painted in any colour with a
// three-dimensional edge derived from it and one short centred text.
//
// Hosts do not link this class; they reach it through its meta-object (see
// barwik/barwik.h for the contract).

#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstdint>

namespace barwik {

class ColourButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(uint colour READ colour WRITE setColour)

public:
    static constexpr std::uint32_t kInitialColour = 0xC0C0C0;

    ColourButton(QWidget* parent, int id, const QString& text);

    int id() const { return id_; }
    QString text() const { return text_; }
    uint colour() const { return colour_; }
    bool isPressed() const { return pressed_; }

    Q_INVOKABLE void setColour(uint colour);
    Q_INVOKABLE void setText(const QString& text);

    QSize sizeHint() const override;

signals:
    // Left button released over the button after it went down on it.
    void clicked(int id);
    // Right button pressed on the button; `globalPos` is in screen coordinates.
    void contextRequested(int id, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool pointerTouchesButton(QPoint position) const;
    void postClicked();
    void postContextRequested(QPoint globalPos);

    int id_;
    QString text_;
    uint colour_ = kInitialColour;
    bool pressed_ = false;
    bool pressedOutside_ = false;
};

} // namespace barwik
