#include "tests/scene/FixtureForm.h"

#include "tests/scene/FixtureSupport.h"

namespace fg::test::fixture {

Tables tables() {
    // clang-format off
    return {
        .window = {"Fixture", "Prüfstand", {}, BorderStyle::Sizable, 1500, 1500, 3600, 2700, kWindowBack},
        .portraits = {
        //   name        Left  Top Width Height Style                Visible TabIndex Container
            {"Picture1",  300, 300,  800,  900, PortraitStyle::Flat,   kShown, 2},
            {"Picture3",  450, 600,  450,  450, PortraitStyle::ThreeD, kShown, 1, "Picture1"},
            {"Picture2", 1800, 300,  800,  900, PortraitStyle::ThreeD, kShown, 0},
        },
        .list = {"List1", 300, 1500, 1500, 60 + 195 * 3, colour::kWindowBackground, colour::kWindowText, kHidden, 3},
        .lines = {
        //   name       X1    Y1    X2    Y2  BorderColor          Visible  Container
            {"Line1", 2250, 2250, 2265, 2265, kRed},
            {"Line2",    0, 2100,    0, 1500, colour::kWindowText},
            {"Line3", 1500,  750, 3000,  750, kGreen},
            {"Line4", 1350, 2250,  900, 2250, kBlue},
            {"Line5",  900, 2400, 1350, 2400, kBlue},
            {"Line6", 3000, 1500, 3075, 1530, kYellow},
            {"Line7",   75,  450,   75, 1050, kWhite,             kShown,  "Picture1"},
            {"Line8", 3000, 2550, 3300, 2550, kRed,               kHidden},
        },
    };
    // clang-format on
}

QHash<QString, QByteArray> pictures() {
    static const QHash<QString, QByteArray> records = {
        {QStringLiteral("Icon"), iconRecord(QColor(0x20, 0x60, 0xa0))},
        {QStringLiteral("Picture1"), markedPictureRecord({40, 45})},
    };
    return records;
}

const QByteArray& stored() {
    static const QByteArray bytes = storeScene(tables().source(), pictures());
    return bytes;
}

QStringList EventLog::clicks() const {
    QStringList result;
    for (const QString& event : raised)
        if (!event.endsWith(QLatin1String("_MouseMove")))
            result << event;
    return result;
}

FormClass windowClass(const QString& name, QByteArrayView storedScene, EventLog& log,
                      std::vector<EventBinding> first) {
    FormClass form{name, storedScene, std::move(first)};
    auto record = [&form, &log](const QString& control, Event event, const char* suffix) {
        const QString handler = control + QLatin1String(suffix);
        form.events.push_back({control, event, handler, [&log, handler](FormInstance&) {
                                   log.raised << handler;
                                   return Status::ok();
                               }});
    };
    record(QStringLiteral("Form"), Event::Load, "_Load");
    record(QStringLiteral("Form"), Event::Click, "_Click");
    record(QStringLiteral("Form"), Event::MouseMove, "_MouseMove");
    for (const char* portrait : {"Picture1", "Picture2", "Picture3"}) {
        record(QLatin1String(portrait), Event::Click, "_Click");
        record(QLatin1String(portrait), Event::DblClick, "_DblClick");
        record(QLatin1String(portrait), Event::MouseMove, "_MouseMove");
    }
    return form;
}

} // namespace fg::test::fixture
