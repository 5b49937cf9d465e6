#include "about_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace trop {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("About Trop");
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));

    auto* lines = new QVBoxLayout;
    const QString texts[] = {QString::fromUtf8(kCompanyName),
                             QString::fromUtf8(kProductName) + " ver. " + QString::fromUtf8(kProductVersion),
                             QString::fromUtf8(kLegalNotice)};
    for (const QString& text : texts)
        lines->addWidget(new QLabel(text, this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(lines);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setAccessibleName("About Trop");
}

void showAboutBox(QWidget* parent)
{
    AboutBox box(parent);
    box.exec();
}

} // namespace trop
