#include "trees/TreeForms.h"

#include "scene/HandlerFrame.h"
#include "trees/HoverTable.h"

namespace fg::trees {
namespace {

const QString kList = QStringLiteral("List1");

// Over the background, a line or the hidden list: the list hides and keeps its lines.
Status Form_MouseMove(FormInstance& form) {
    return runInFrame(form, [](Frame& frame) { frame.setVisible(kList, false); });
}

// Over a portrait: the list is emptied, shown, and filled with the person's lines, one
// operation at a time. Nothing is remembered between movements.
Status runHoverRow(FormInstance& form, const HoverRow& row) {
    return runInFrame(form, [&row](Frame& frame) {
        frame.clear(kList);
        frame.setVisible(kList, true);
        for (const std::string_view line : row.lines)
            frame.addItem(kList, text(line));
    });
}

FormClass makeTreeClass(const char* name, QByteArrayView storedScene) {
    FormClass form{QLatin1String(name), storedScene, {}};
    form.events.push_back({QStringLiteral("Form"), Event::MouseMove,
                           QStringLiteral("Form_MouseMove"), Form_MouseMove});
    for (const HoverRow& row : hoverTable()) {
        if (row.window != name)
            continue;
        const QString portrait = text(row.portrait);
        form.events.push_back({portrait, Event::MouseMove, portrait + QStringLiteral("_MouseMove"),
                               [&row](FormInstance& f) { return runHoverRow(f, row); }});
    }
    return form;
}

} // namespace

const FormClass& form2Class() {
    static const FormClass form = makeTreeClass("Form2", stored::Form2());
    return form;
}
const FormClass& form3Class() {
    static const FormClass form = makeTreeClass("Form3", stored::Form3());
    return form;
}
const FormClass& form4Class() {
    static const FormClass form = makeTreeClass("Form4", stored::Form4());
    return form;
}
const FormClass& form5Class() {
    static const FormClass form = makeTreeClass("Form5", stored::Form5());
    return form;
}
const FormClass& form6Class() {
    static const FormClass form = makeTreeClass("Form6", stored::Form6());
    return form;
}

} // namespace fg::trees
