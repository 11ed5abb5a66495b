#include "scene/Status.h"

namespace fg {

QString Failure::describe() const {
    QString text = QStringLiteral("%1: %2 ist fehlgeschlagen.").arg(interfaceName, operation);
    if (!cause.isEmpty())
        text += QStringLiteral("\nUrsache: %1").arg(cause);
    return text;
}

RuntimeError::RuntimeError(Failure failure)
    : failure_(std::move(failure)), message_(failure_.describe().toUtf8()) {}

void checkStatus(const Status& status, const QString& interfaceName, const QString& operation) {
    if (status.isOk())
        return;
    const Failure& inner = status.failure();
    QString cause;
    // A failure the runtime reports for this very operation carries its reason as the cause;
    // one passed on from a method becomes the cause of the method's failure.
    if (inner.interfaceName == interfaceName && inner.operation == operation)
        cause = inner.cause;
    else
        cause =
            QStringLiteral("%1: %2%3")
                .arg(inner.interfaceName, inner.operation,
                     inner.cause.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(inner.cause));
    throw RuntimeError(Failure{interfaceName, operation, cause});
}

} // namespace fg
