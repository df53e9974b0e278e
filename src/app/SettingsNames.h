#pragma once

#include <QStringView>

// Where every persisted value of the program lives, and the name of each: one place, so that two
// faces of the program that read the same value cannot come to spell it differently.

// The application name and section every value is kept under.
inline constexpr QStringView kSettingsApplication = u"Zandrik";
inline constexpr QStringView kSettingsSection = u"Quillfen";

// The code list, kept between runs.
inline constexpr QStringView kCodeListValueName = u"Zip Codes";

// What the user chose in the Sources dialog.
inline constexpr QStringView kSourcesValueName = u"Sources";
inline constexpr QStringView kSourceOrderValueName = u"Source Order";
inline constexpr QStringView kServiceUrlValueName = u"Service URL";
// "1" when a found product is completed from the next sources in the window's runs, "0" when not.
inline constexpr QStringView kFillGapsValueName = u"Fill Gaps";

// Help → Language's choice; empty follows the desktop.
inline constexpr QStringView kLanguageValueName = u"Language";

// The scan window: its sounds muted or not; "Receive Scans From a Phone", on or off, the address
// and port, and the link's token.
inline constexpr QStringView kScanMuteValueName = u"Scan Mute";
inline constexpr QStringView kPhoneScansValueName = u"Phone Scans";
inline constexpr QStringView kPhoneAddressValueName = u"Phone Scans Address";
inline constexpr QStringView kPhonePortValueName = u"Phone Scans Port";
inline constexpr QStringView kPhoneTokenValueName = u"Phone Scans Token";
