// "Parametry nowej listy startowej": the interval between teams and the
// number of empty positions of a new start list. OK closes only with both
// values in their ranges.
#pragma once

#include "trop/model/start_list_generation.h"

#include <QDialog>

class QLineEdit;

namespace trop {

class StartListParamsDialog : public QDialog {
    Q_OBJECT
public:
    StartListParamsDialog(const StartListParams& params, QWidget* parent = nullptr);

    // The accepted values (the offered ones before OK).
    const StartListParams& params() const { return params_; }

    QLineEdit* intervalEdit() const { return interval_; }
    QLineEdit* emptyPositionsEdit() const { return emptyPositions_; }

    void accept() override;

private:
    StartListParams params_;
    QLineEdit* interval_;
    QLineEdit* emptyPositions_;
};

} // namespace trop
