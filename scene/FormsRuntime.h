#pragma once
// The forms runtime: builds windows from their stored scenes, delivers their mouse events
// to the handlers that each window's event table names, and carries out the few operations
// that handlers may use (Show, Visible, Clear, AddItem), each with a status.
//
// The program's handlers use this layer only, never Qt directly.

#include "scene/Scene.h"
#include "scene/Status.h"

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QEventLoop;

namespace fg {

class FormInstance;
class FormWindow;
class FormsRuntime;

enum class Event { Load, Click, DblClick, MouseMove };

using Handler = std::function<Status(FormInstance&)>;

// One slot of a window's event table: the control ("Form" for the window itself), the
// event and the handler that it names.
struct EventBinding {
    QString control;
    Event event;
    QString handlerName; // "Picture20_Click"
    Handler handler;
};

// A window class: its name, its stored scene and its event table.
struct FormClass {
    QString name;
    QByteArrayView storedScene;
    std::vector<EventBinding> events;

    const EventBinding* find(QStringView control, Event event) const;
};

// What the program entry hands to Start: no start-up procedure, the window classes in their
// order (the first is the startup window), the program-wide references to window instances,
// and one user-interface thread.
struct ProjectDescription {
    std::vector<const FormClass*> windowClasses;
    std::vector<QString> programReferences; // named after their window classes
};

// Counted references to a window or a control: taken for one operation, released at the end
// of their scope, on error paths too. The runtime can tell how many are outstanding.
class CountedReference {
public:
    CountedReference();
    CountedReference(CountedReference&& other) noexcept;
    CountedReference& operator=(CountedReference&&) = delete;
    CountedReference(const CountedReference&) = delete;
    ~CountedReference();

    static int outstanding();

private:
    bool held_ = true;
};

class WindowRef {
public:
    explicit WindowRef(FormInstance& instance) : instance_(&instance) {}
    FormInstance& operator*() const { return *instance_; }
    FormInstance* operator->() const { return instance_; }

private:
    FormInstance* instance_;
    CountedReference count_;
};

class ControlRef {
public:
    ControlRef(FormWindow& window, const SceneRecord& record)
        : window_(&window), record_(&record) {}

    QString interfaceName() const { return fg::interfaceName(record_->kind); }
    const QString& name() const { return record_->name; }

    Status setVisible(bool visible);     // Visible write: true shows, false hides
    Status clear();                      // Clear on a ListBox
    Status addItem(const QString& text); // AddItem on a ListBox, as the new last line

private:
    Status refused(const QString& operation) const;

    FormWindow* window_;
    const SceneRecord* record_;
    CountedReference count_;
};

class FormInstance {
public:
    FormInstance(FormsRuntime& runtime, const FormClass& windowClass);
    ~FormInstance();
    FormInstance(const FormInstance&) = delete;
    FormInstance& operator=(const FormInstance&) = delete;

    const FormClass& windowClass() const { return class_; }
    FormsRuntime& runtime() const { return runtime_; }

    // Show: loads the window if it is not loaded and shows it. With modal 1 no other window
    // of the program takes input, and the call returns once the user has closed the window,
    // which unloads it.
    Status show(int modal);

    WindowRef reference() { return WindowRef(*this); }

    // The control accessor: a counted reference to a control of the loaded window. No
    // status: an unknown name or an unloaded window raises a runtime error.
    ControlRef control(const QString& name);

    bool isLoaded() const { return window_ != nullptr; }
    FormWindow* window() const { return window_.get(); }

    // Called by the window: delivers an event to the handler the event table names.
    void raise(const QString& control, Event event);
    void windowClosed();

private:
    friend class FormsRuntime;
    void load();
    void unload();

    FormsRuntime& runtime_;
    const FormClass& class_;
    std::unique_ptr<FormWindow> window_;
    QEventLoop* modalLoop_ = nullptr;
    bool endsProgram_ = false;
};

class FormsRuntime {
public:
    explicit FormsRuntime(ProjectDescription project);
    ~FormsRuntime();

    // Start: the whole program. Makes the application, loads and shows the startup window
    // and runs the event loop until the program ends; does not return.
    [[noreturn]] static void start(int argc, char** argv, ProjectDescription project);

    // Loads and shows the startup window (its Load handler runs first); for Start and tests.
    FormInstance& openStartupWindow();

    // Create instance: stores a new, not yet shown instance of the class in the reference.
    void createInstance(const FormClass& windowClass, std::unique_ptr<FormInstance>& reference);

    const FormClass* windowClass(QStringView name) const;
    std::unique_ptr<FormInstance>& programReference(QStringView name);
    FormInstance* startupInstance() const { return startup_.get(); }

    // How an error that a handler passes on reaches the user: a message box unless a test
    // captures it. The program goes on running either way.
    void setErrorReporter(std::function<void(const Failure&)> reporter);
    void report(const Failure& failure);

private:
    ProjectDescription project_;
    std::unique_ptr<FormInstance> startup_;
    std::vector<std::pair<QString, std::unique_ptr<FormInstance>>> references_;
    std::function<void(const Failure&)> reporter_;
};

} // namespace fg
