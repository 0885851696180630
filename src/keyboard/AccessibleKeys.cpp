// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleKeys.h"

#include <QCoreApplication>

namespace clavora {

namespace {
// A caption as it shows: "&&" is one "&", a single "&" only marks an access key.
QString shownText(const KeyCaption& caption)
{
    if (!caption.visible)
        return {};
    QString text;
    for (qsizetype i = 0; i < caption.text.size(); ++i) {
        if (caption.text[i] == u'&' && i + 1 < caption.text.size())
            ++i;
        text += caption.text[i];
    }
    return text;
}

QString joined(std::initializer_list<QString> captions)
{
    QStringList parts;
    for (const QString& caption : captions)
        if (!caption.trimmed().isEmpty() && !parts.contains(caption))
            parts << caption;
    return parts.join(u' ');
}

struct OtherKey {
    NamedShape shape;
    std::initializer_list<NamedLabel> labels;
};
} // namespace

QList<AccessibleKey> accessibleKeys(const KeyboardForm& form)
{
    QList<AccessibleKey> keys;
    for (int i = 0; i < CharacterKeyCount; ++i) {
        if (form.keys[i].visible)
            keys.append({form.keys[i].box,
                         joined({shownText(form.labels[i]), shownText(form.labels[i + CharacterKeyCount])})});
    }
    using S = NamedShape;
    using L = NamedLabel;
    // The Enter key's lower part (EnterKeyExt) belongs to the Enter key.
    static const OtherKey others[] = {
        {S::TabKey, {L::TabLabel}},           {S::CapsLockKey, {L::CapsLockLabel1, L::CapsLockLabel2}},
        {S::LeftShiftKey, {L::LeftShiftLabel}}, {S::RightShiftKey, {L::RightShiftLabel}},
        {S::BackspaceKey, {L::BackspaceLabel}}, {S::EnterKey, {L::EnterLabel}},
        {S::LeftCtrlKey, {L::LeftCtrlLabel}},   {S::LeftWinKey, {L::LeftWinLabel}},
        {S::LeftAltKey, {L::LeftAltLabel}},     {S::Spacebar, {}},
        {S::RightAltKey, {L::RightAltLabel}},   {S::RightWinKey, {L::RightWinLabel}},
        {S::MenuKey, {L::MenuLabel}},           {S::RightCtrlKey, {L::RightCtrlLabel}},
    };
    for (const OtherKey& key : others) {
        if (!form.shape(key.shape).visible)
            continue;
        QStringList captions;
        for (NamedLabel label : key.labels)
            captions << shownText(form.label(label));
        const QString name = key.shape == S::Spacebar ? QCoreApplication::translate("AccessibleKeys", "SPACE") : captions.join(u' ');
        keys.append({form.shape(key.shape).box, name});
    }
    return keys;
}

} // namespace clavora
