#include "KeyProfile.h"

#include <QSettings>

namespace keyprofile {

namespace {

const char *const Group = "Keys";

tarnel::CommandKeys normalised(const tarnel::CommandKeys &keys)
{
    tarnel::CommandKeys spelt;
    for (const std::string &key : keys)
        if (const std::string text =
                portableText(QKeySequence(QString::fromStdString(key), QKeySequence::PortableText));
            !text.empty())
            spelt.push_back(text);
    return spelt;
}

} // namespace

const tarnel::KeyBindings &defaults()
{
    static const tarnel::KeyBindings table = [] {
        tarnel::KeyBindings bindings = tarnel::DefaultKeyBindings();
        for (auto &[number, keys] : bindings)
            keys = normalised(keys);
        return bindings;
    }();
    return table;
}

tarnel::KeyBindings load()
{
    QSettings profile;
    profile.beginGroup(Group);
    std::map<int, tarnel::CommandKeys> overrides;
    for (const QString &name : profile.childKeys()) {
        bool ok = false;
        const int number = name.toInt(&ok);
        if (ok)
            overrides[number] =
                normalised(tarnel::SplitKeys(profile.value(name).toString().toStdString()));
    }
    return tarnel::BindingsWithOverrides(defaults(), overrides);
}

void save(const tarnel::KeyBindings &bindings)
{
    QSettings profile;
    profile.remove(Group);
    profile.beginGroup(Group);
    for (const auto &[number, keys] : tarnel::OverridesOf(bindings, defaults()))
        profile.setValue(QString::number(number), QString::fromStdString(tarnel::JoinKeys(keys)));
}

QList<QKeySequence> sequences(const tarnel::CommandKeys &keys)
{
    QList<QKeySequence> list;
    for (const std::string &key : keys)
        list.append(QKeySequence(QString::fromStdString(key), QKeySequence::PortableText));
    return list;
}

std::string portableText(const QKeySequence &key)
{
    if (key.isEmpty() || key[0].key() == Qt::Key_unknown)
        return {};
    return QKeySequence(key[0]).toString(QKeySequence::PortableText).toStdString();
}

QString shownText(const tarnel::CommandKeys &keys)
{
    return QKeySequence::listToString(sequences(keys), QKeySequence::NativeText);
}

} // namespace keyprofile
