// The "About Trop" box: company, product with version, legal notice, OK.
#pragma once

#include <QDialog>

namespace trop {

inline constexpr const char* kCompanyName = "Lirnik s.c.";
inline constexpr const char* kProductName = "Trop";
inline constexpr const char* kProductVersion = "3.07.21";
inline constexpr const char* kLegalNotice = "Copyright © Lirnik s.c. Wszelkie prawa zastrzeżone.";

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

void showAboutBox(QWidget* parent);

} // namespace trop
