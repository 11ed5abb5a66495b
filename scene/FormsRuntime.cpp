#include "scene/FormsRuntime.h"

#include "scene/FaultInjection.h"
#include "scene/FormWindow.h"
#include "scene/InfoList.h"
#include "scene/StoredForm.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace fg {
namespace {

int outstandingReferences = 0;

Status injected(const QString& interfaceName, const QString& operation) {
    return Status::failed({interfaceName, operation, QStringLiteral("eingespeiste Störung")});
}

// Without a display Qt would abort with a stack of platform messages: say plainly instead.
bool haveDisplay() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

// ---- counted references ----------------------------------------------------------------

CountedReference::CountedReference() {
    ++outstandingReferences;
}
CountedReference::CountedReference(CountedReference&& other) noexcept {
    other.held_ = false;
}
CountedReference::~CountedReference() {
    if (held_)
        --outstandingReferences;
}
int CountedReference::outstanding() {
    return outstandingReferences;
}

// ---- window classes --------------------------------------------------------------------

const EventBinding* FormClass::find(QStringView control, Event event) const {
    for (const auto& binding : events)
        if (binding.event == event && binding.control == control)
            return &binding;
    return nullptr;
}

// ---- control operations ----------------------------------------------------------------

Status ControlRef::refused(const QString& operation) const {
    return Status::failed(
        {interfaceName(), operation, QStringLiteral("%1 kennt diese Operation nicht").arg(name())});
}

Status ControlRef::setVisible(bool visible) {
    if (FaultInjection::shouldFail(name(), QStringLiteral("Visible")))
        return injected(interfaceName(), QStringLiteral("Visible"));
    window_->setControlVisible(*record_, visible);
    return Status::ok();
}

Status ControlRef::clear() {
    if (FaultInjection::shouldFail(name(), QStringLiteral("Clear")))
        return injected(interfaceName(), QStringLiteral("Clear"));
    InfoList* list = window_->infoList(*record_);
    if (!list)
        return refused(QStringLiteral("Clear"));
    list->clear();
    return Status::ok();
}

Status ControlRef::addItem(const QString& text) {
    if (FaultInjection::shouldFail(name(), QStringLiteral("AddItem")))
        return injected(interfaceName(), QStringLiteral("AddItem"));
    InfoList* list = window_->infoList(*record_);
    if (!list)
        return refused(QStringLiteral("AddItem"));
    list->addItem(text);
    return Status::ok();
}

// ---- window instances ------------------------------------------------------------------

FormInstance::FormInstance(FormsRuntime& runtime, const FormClass& windowClass)
    : runtime_(runtime), class_(windowClass) {}

FormInstance::~FormInstance() = default;

void FormInstance::load() {
    // Decoding checks the stored form; a damaged one fails Show with the decoder's reason.
    Scene scene = decodeScene(class_.storedScene, class_.name);
    window_ = std::make_unique<FormWindow>(*this, std::move(scene));
    raise(QStringLiteral("Form"), Event::Load);
}

void FormInstance::unload() {
    window_.reset();
}

Status FormInstance::show(int modal) {
    const QString operation = QStringLiteral("Show");
    if (FaultInjection::shouldFail(class_.name, operation))
        return injected(class_.name, operation);
    if (!window_) {
        try {
            load();
        } catch (const SceneFormatError& error) {
            return Status::failed({class_.name, operation, QString::fromStdString(error.what())});
        }
    }
    if (modal != 1) {
        window_->show();
        return Status::ok();
    }
    if (modalLoop_)
        return Status::failed(
            {class_.name, operation, QStringLiteral("das Fenster ist schon geöffnet")});
    window_->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    modalLoop_ = &loop;
    window_->show();
    loop.exec();
    modalLoop_ = nullptr;
    unload();
    return Status::ok();
}

ControlRef FormInstance::control(const QString& name) {
    if (!window_)
        throw RuntimeError({class_.name, name, QStringLiteral("das Fenster ist nicht geladen")});
    const SceneRecord* record = window_->record(name);
    if (!record)
        throw RuntimeError({class_.name, name, QStringLiteral("kein solches Steuerelement")});
    return ControlRef(*window_, *record);
}

void FormInstance::raise(const QString& control, Event event) {
    const EventBinding* binding = class_.find(control, event);
    if (!binding)
        return;
    const Status status = binding->handler(*this);
    if (!status.isOk())
        runtime_.report(status.failure());
}

void FormInstance::windowClosed() {
    if (modalLoop_) {
        modalLoop_->quit();
        return;
    }
    if (endsProgram_)
        QCoreApplication::exit(0);
}

// ---- the runtime -----------------------------------------------------------------------

FormsRuntime::FormsRuntime(ProjectDescription project) : project_(std::move(project)) {
    for (const QString& name : project_.programReferences)
        references_.emplace_back(name, nullptr);
}

FormsRuntime::~FormsRuntime() = default;

void FormsRuntime::start(int argc, char** argv, ProjectDescription project) {
    if (!haveDisplay()) {
        std::fputs(
            "Familiengalerie braucht eine grafische Desktop-Sitzung: es ist keine Anzeige "
            "(DISPLAY) eingerichtet.\n"
            "Familiengalerie needs a graphical desktop session: no display (DISPLAY) is set.\n",
            stderr);
        std::exit(EXIT_FAILURE);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Familiengalerie"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setQuitOnLastWindowClosed(false);
    FormsRuntime runtime(std::move(project));
    runtime.openStartupWindow();
    const int status = QApplication::exec();
    std::exit(status);
}

FormInstance& FormsRuntime::openStartupWindow() {
    const FormClass& startupClass = *project_.windowClasses.front();
    createInstance(startupClass, startup_);
    startup_->endsProgram_ = true;
    const Status status = startup_->show(0);
    if (!status.isOk())
        report(status.failure());
    if (startup_->window())
        QApplication::setWindowIcon(startup_->window()->windowIcon());
    return *startup_;
}

void FormsRuntime::createInstance(const FormClass& windowClass,
                                  std::unique_ptr<FormInstance>& reference) {
    reference = std::make_unique<FormInstance>(*this, windowClass);
}

const FormClass* FormsRuntime::windowClass(QStringView name) const {
    for (const FormClass* c : project_.windowClasses)
        if (c->name == name)
            return c;
    return nullptr;
}

std::unique_ptr<FormInstance>& FormsRuntime::programReference(QStringView name) {
    for (auto& [referenceName, instance] : references_)
        if (referenceName == name)
            return instance;
    throw RuntimeError(
        {name.toString(), QStringLiteral("Referenz"), QStringLiteral("keine solche Referenz")});
}

void FormsRuntime::setErrorReporter(std::function<void(const Failure&)> reporter) {
    reporter_ = std::move(reporter);
}

void FormsRuntime::report(const Failure& failure) {
    if (reporter_) {
        reporter_(failure);
        return;
    }
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent && startup_)
        parent = startup_->window();
    QMessageBox::critical(parent, QStringLiteral("Familiengalerie"),
                          QStringLiteral("Laufzeitfehler\n\n%1").arg(failure.describe()));
}

} // namespace fg
