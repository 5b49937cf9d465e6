#include "tablo/tablo_about.h"

#include "trop/version.h"

#include <QMessageBox>
#include <QStringList>

namespace tablo {

QStringList aboutLines()
{
    return {QString::fromUtf8(trop::kCompanyName), QString::fromUtf8(trop::kLegalNotice),
            QStringLiteral("Tablo  ver. ") + QString::fromUtf8(trop::kProgramVersion)};
}

void showTabloAbout(QWidget* parent)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("O programie Tablo"), aboutLines().join('\n'),
                    QMessageBox::Ok, parent);
    box.setAccessibleName(QStringLiteral("O programie Tablo"));
    box.exec();
}

} // namespace tablo
