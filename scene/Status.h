#pragma once
// Statuses of the forms runtime's operations and the runtime error that a failed status
// check raises.

#include <QString>
#include <exception>
#include <optional>

namespace fg {

// What failed: the interface ("PictureBox", "Line", "ListBox" or a window class such as
// "Form1"), the operation ("Visible", "Clear", "AddItem", "Show", "picloesch", "lineloesch")
// and, where a failure was passed on, what failed underneath.
struct Failure {
    QString interfaceName;
    QString operation;
    QString cause;

    QString describe() const; // German, for the user
};

class [[nodiscard]] Status {
public:
    static Status ok() { return Status(); }
    static Status failed(Failure failure) { return Status(std::move(failure)); }

    bool isOk() const { return !failure_; }
    const Failure& failure() const { return *failure_; }

private:
    Status() = default;
    explicit Status(Failure failure) : failure_(std::move(failure)) {}
    std::optional<Failure> failure_;
};

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(Failure failure);
    const Failure& failure() const { return failure_; }
    const char* what() const noexcept override { return message_.constData(); }

private:
    Failure failure_;
    QByteArray message_;
};

// The status check: returns if the status is success; otherwise raises a runtime error
// that names the interface and the operation, with the failure underneath as its cause.
void checkStatus(const Status& status, const QString& interfaceName, const QString& operation);

} // namespace fg
