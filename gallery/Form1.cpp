#include "gallery/Form1.h"

#include "gallery/ClickTable.h"
#include "scene/HandlerFrame.h"

#include <array>

namespace fg::gallery {
namespace {

struct NumberRange {
    int first, last;
};

// What picloesch and lineloesch hide, in their order. Line107 and Line108 are in neither:
// the navigation never touches them, so they stay visible for the whole run.
constexpr std::array<NumberRange, 1> kPicloeschPortraits = {{{1, 57}}};
constexpr std::array<NumberRange, 5> kLineloeschLines = {
    {{1, 60}, {62, 65}, {61, 61}, {66, 106}, {109, 117}}};

// The portraits whose double-click opens a family-tree window, and the window.
struct TreeOpener {
    const char* portrait;
    const char* window;
};
constexpr std::array<TreeOpener, 5> kTreeOpeners = {{
    {"Picture1", "Form2"},
    {"Picture17", "Form3"},
    {"Picture8", "Form4"},
    {"Picture6", "Form5"},
    {"Picture5", "Form6"},
}};

const QString kList = QStringLiteral("List1");

QString numbered(const char* prefix, int number) {
    return QLatin1String(prefix) + QString::number(number);
}

template <std::size_t N>
void hideAll(Frame& frame, const char* prefix, const std::array<NumberRange, N>& ranges) {
    for (const NumberRange& range : ranges)
        for (int number = range.first; number <= range.last; ++number)
            frame.setVisible(numbered(prefix, number), false);
}

// Load step: hide everything, then show the root person's portrait alone.
Status Form_Load(FormInstance& form) {
    return runInFrame(form, [](Frame& frame) {
        frame.call(lineloesch, QStringLiteral("lineloesch"));
        frame.call(picloesch, QStringLiteral("picloesch"));
        frame.setVisible(QStringLiteral("Picture1"), true);
    });
}

// A click on the background hides the list; it keeps its line, and the view stays.
Status Form_Click(FormInstance& form) {
    return runInFrame(form, [](Frame& frame) { frame.setVisible(kList, false); });
}

// A portrait's Click handler: its row of the click table, step by step.
Status runClickRow(FormInstance& form, const ClickRow& row) {
    return runInFrame(form, [&row](Frame& frame) {
        for (const ClickOperation& op : row.steps.operations()) {
            switch (op.kind) {
            case ClickOperation::CallPicloesch:
                frame.call(picloesch, QStringLiteral("picloesch"));
                break;
            case ClickOperation::CallLineloesch:
                frame.call(lineloesch, QStringLiteral("lineloesch"));
                break;
            case ClickOperation::ShowList:
                frame.setVisible(kList, true);
                break;
            case ClickOperation::AddName:
                frame.addItem(kList, text(row.name));
                break;
            case ClickOperation::ClearList:
                frame.clear(kList);
                break;
            case ClickOperation::ShowPicture:
                frame.setVisible(numbered("Picture", op.number), true);
                break;
            case ClickOperation::ShowLine:
                frame.setVisible(numbered("Line", op.number), true);
                break;
            }
        }
    });
}

// A DblClick handler: creates the tree window on first use, keeps it in its program-wide
// reference for the rest of the run, and shows it modally.
Status openTree(FormInstance& form, const QString& window) {
    return runInFrame(form, [&window](Frame& frame) {
        FormsRuntime& runtime = frame.form().runtime();
        std::unique_ptr<FormInstance>& reference = runtime.programReference(window);
        if (!reference)
            runtime.createInstance(*runtime.windowClass(window), reference);
        frame.showModal(*reference);
    });
}

FormClass makeForm1Class() {
    FormClass form{QStringLiteral("Form1"), stored::Form1(), {}};
    const QString self = QStringLiteral("Form");
    form.events.push_back({self, Event::Load, QStringLiteral("Form_Load"), Form_Load});
    form.events.push_back({self, Event::Click, QStringLiteral("Form_Click"), Form_Click});
    for (const ClickRow& row : clickTable()) {
        const QString portrait = text(row.portrait);
        form.events.push_back({portrait, Event::Click, portrait + QStringLiteral("_Click"),
                               [&row](FormInstance& f) { return runClickRow(f, row); }});
    }
    for (const TreeOpener& opener : kTreeOpeners) {
        const QString portrait = QLatin1String(opener.portrait);
        const QString window = QLatin1String(opener.window);
        form.events.push_back({portrait, Event::DblClick, portrait + QStringLiteral("_DblClick"),
                               [window](FormInstance& f) { return openTree(f, window); }});
    }
    return form;
}

} // namespace

Status picloesch(FormInstance& form) {
    return runInFrame(form, [](Frame& frame) { hideAll(frame, "Picture", kPicloeschPortraits); });
}

Status lineloesch(FormInstance& form) {
    return runInFrame(form, [](Frame& frame) {
        frame.setVisible(kList, false);
        frame.clear(kList);
        hideAll(frame, "Line", kLineloeschLines);
    });
}

const FormClass& form1Class() {
    static const FormClass form = makeForm1Class();
    return form;
}

} // namespace fg::gallery
