// A flag set for the duration of a call, so that a call made again while a
// message box of the first one is open (Qt moves the focus as the box opens)
// can be told apart and ignored.
#pragma once

namespace trop {

class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

} // namespace trop
