#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qx {

// The values that the camera's MMS.INI carries, as the settings window holds them.
// Every field is plain text, kept exactly as typed: ports included.
struct SettingsRecord {
    std::string URL, APN, IP, Port;
    std::string Phone1, Phone2, Phone3, Phone4, Phone5;
    std::string Email1, Email2, Email3, Email4, Email5;
    std::string Server, ePort, Sender, Password;

    bool operator==(const SettingsRecord&) const = default;
};

using SettingsField = std::string SettingsRecord::*;

// One field of the record: its name, the settings-window control that holds it and the
// label the user sees beside that control.
struct FieldBinding {
    SettingsField field;
    std::string_view name;
    std::string_view control;
    std::string_view label;
};

inline constexpr std::array<FieldBinding, 18> kSettingsFields{{
    {&SettingsRecord::URL, "URL", "Text4", "URL"},
    {&SettingsRecord::APN, "APN", "Text1", "APN"},
    {&SettingsRecord::IP, "IP", "Text5", "IP"},
    {&SettingsRecord::Port, "Port", "Text6", "Port"},
    {&SettingsRecord::Phone1, "Phone1", "Text7", "Phone 1"},
    {&SettingsRecord::Phone2, "Phone2", "Text8", "Phone 2"},
    {&SettingsRecord::Phone3, "Phone3", "Text9", "Phone 3"},
    {&SettingsRecord::Phone4, "Phone4", "Text10", "Phone 4"},
    {&SettingsRecord::Phone5, "Phone5", "Text11", "Phone 5"},
    {&SettingsRecord::Email1, "Email1", "Text12", "Email 1"},
    {&SettingsRecord::Email2, "Email2", "Text13", "Email 2"},
    {&SettingsRecord::Email3, "Email3", "Text14", "Email 3"},
    {&SettingsRecord::Email4, "Email4", "Text15", "Email 4"},
    {&SettingsRecord::Email5, "Email5", "Text16", "Email 5"},
    {&SettingsRecord::Server, "Server", "Text20", "Server"},
    {&SettingsRecord::ePort, "ePort", "Text21", "Port"},
    {&SettingsRecord::Sender, "Sender", "Text19", "Email"},
    {&SettingsRecord::Password, "Password", "Text18", "Password"},
}};

// One line of MMS.INI: its key and the field whose value follows it (none for "[MMS]").
// The reader finds a value at the character after the key, so the key's length is the
// value's position.
struct ConfigurationLine {
    std::string_view key;
    SettingsField field;
};

inline constexpr std::size_t kConfigurationLineCount = 25;

inline constexpr std::array<ConfigurationLine, kConfigurationLineCount> kConfigurationLines{{
    {"[MMS]", nullptr},
    {"URL=", &SettingsRecord::URL},
    {"APN=", &SettingsRecord::APN},
    {"IP=", &SettingsRecord::IP},
    {"Port=", &SettingsRecord::Port},
    {"Phone1=", &SettingsRecord::Phone1},
    {"Phone2=", &SettingsRecord::Phone2},
    {"Phone3=", &SettingsRecord::Phone3},
    {"Phone4=", &SettingsRecord::Phone4},
    {"Phone5=", &SettingsRecord::Phone5},
    {"Email1=", &SettingsRecord::Email1},
    {"Email2=", &SettingsRecord::Email2},
    {"Email3=", &SettingsRecord::Email3},
    {"Email4=", &SettingsRecord::Email4},
    {"Email5=", &SettingsRecord::Email5},
    {"Server=", &SettingsRecord::Server},
    {"ePort=", &SettingsRecord::ePort},
    {"eAPN=", &SettingsRecord::APN},
    {"Sender=", &SettingsRecord::Sender},
    {"Password=", &SettingsRecord::Password},
    {"Reciver1=", &SettingsRecord::Email1},
    {"Reciver2=", &SettingsRecord::Email2},
    {"Reciver3=", &SettingsRecord::Email3},
    {"Reciver4=", &SettingsRecord::Email4},
    {"Reciver5=", &SettingsRecord::Email5},
}};

// The binding of a field, found by its member pointer.
const FieldBinding& bindingOf(SettingsField field);

}  // namespace qx
