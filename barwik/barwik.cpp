#include "barwik/barwik.h"

#include "barwik/colour_button.h"

extern "C" Q_DECL_EXPORT QWidget* barwikCreateButton(QWidget* parent, int id, const QString& text)
{
    return new barwik::ColourButton(parent, id, text);
}
