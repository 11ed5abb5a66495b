#pragma once
// The frame every handler runs in. On entry it takes a counted reference to the handler's
// window; each operation fetches its control into the one control slot, performs the
// operation, checks the status at once and releases the slot. A failed check raises a
// runtime error: no further operation runs, the slot and the window reference are released
// as the error passes out, and the handler returns it as its status.

#include "scene/FormsRuntime.h"

#include <QString>
#include <string_view>

namespace fg {

class Frame {
public:
    explicit Frame(FormInstance& form) : self_(form.reference()) {}

    FormInstance& form() const { return *self_; }

    void setVisible(const QString& control, bool visible);
    void clear(const QString& list);
    void addItem(const QString& list, const QString& text);

    // Calls a method of the window itself, such as picloesch, and checks its status.
    void call(Status (*method)(FormInstance&), const QString& methodName);

    // Show with Modal = 1 on another window instance, and its check.
    void showModal(FormInstance& window);

private:
    WindowRef self_;
};

// Runs `body(Frame&)` in the common frame and returns its status.
template <typename Body> Status runInFrame(FormInstance& form, Body&& body) {
    try {
        Frame frame(form);
        body(frame);
        return Status::ok();
    } catch (const RuntimeError& error) {
        return Status::failed(error.failure());
    }
}

// A text of the program's own (UTF-8) as the runtime takes it.
inline QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace fg
