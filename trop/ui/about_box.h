// The "About Trop" box: company, product with version, legal notice, OK.
#pragma once

#include "trop/version.h"

#include <QDialog>

namespace trop {

inline constexpr const char* kProductName = "Trop";
inline constexpr const char* kProductVersion = kProgramVersion;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

void showAboutBox(QWidget* parent);

} // namespace trop
