#pragma once

// The client's one persistent store: a single process-wide QSettings with
// organisation and application "TIDEWELL_D4". Start-up writes the network
// defaults (writer A), each login cycle's orchestrator writes the remaining
// first-run defaults (writer B), and the factory restore clears everything
// but the network keys so that writer B runs again in the next cycle.

#include <QSettings>
#include <QString>

#include <optional>

namespace AppSettings {

inline const char kMarkerKey[] = "TIDEWELL_D4";
inline const char kMarkerValue[] = "TIDEWELL_D4";
inline const char kOrganisation[] = "TIDEWELL_D4";
inline const char kApplication[] = "TIDEWELL_D4";

inline const char kLanguage[] = "language";
inline const char kNetIp[] = "net_ip";
inline const char kNetPort[] = "net_port";
inline const char kSavePassword[] = "save_password";
inline const char kLoginPassword[] = "login_password";
inline const char kDisplayPrompt[] = "display_prompt";
// 1: a read or save that succeeded is told in the status bar, not in a box.
// Not written by the first-run defaults; missing means off.
inline const char kQuietConfirmations[] = "quiet_confirmations";
inline const char kAquariumVolume[] = "aquarium_volume";
// The overview warns of a bottle with this many days left or fewer; missing
// means the overview's default.
inline const char kLowBottleDays[] = "low_bottle_days";
inline const char kGroupPumps[] = "group_pumps";
inline const char kPumpsName[] = "pumps_name";
inline const char kPumpsReagentIndex[] = "pumps_reagent_index";
inline const char kGroupReagent[] = "group_reagent";
inline const char kReagentName[] = "reagent_name";
inline const char kReagentMax[] = "reagent_max";
inline const char kReagentOffer[] = "reagent_offer";
inline const char kReagentConsume[] = "reagent_consume";
inline const char kChemicalInterval[] = "chemical_interval";
inline const char kChemicalPump4Select[] = "chemical_pump4_select";
inline const char kChemicalPump5Select[] = "chemical_pump5_select";
inline const char kGroupSlaves[] = "group_slaves";
inline const char kSlaveAddress[] = "slave_address";
inline const char kSlaveOnOff[] = "slave_on_off";
inline const char kFirmwareAppVersion[] = "firmware_app_version";
inline const char kFirmwareVersion[] = "firmware_version";
inline const char kTemperatureMode[] = "temperature_mode";

inline const char kDefaultIp[] = "10.10.100.254";
constexpr int kDefaultPort = 8899;
inline const char kDefaultPassword[] = "572913";

constexpr int kPumpCount = 4;
constexpr int kReagentCount = 6;
constexpr int kSlaveCount = 3;

// The process-wide store. Created on first use, lives until the process ends.
QSettings &store();

// True unless the marker key holds exactly "TIDEWELL_D4" (case matters).
bool isFirstRun(const QSettings &settings);

// Writer A: bridge address, port and the remembered factory password.
void writeNetworkDefaults(QSettings &settings);

// Writer B: the marker and every client-side default, in the order the
// store has always been written. Names pass through the translator in the
// orchestrator's context, so a first run under Chinese stores Chinese names.
void writeClientDefaults(QSettings &settings);

// Factory restore: clears the whole store, then keeps only the bridge
// address, port and the password-saving flag.
void factoryReset(QSettings &settings);

// What the network dialog may store or dial. A bridge is named by a dotted
// IPv4 address or a host name (letters, digits and hyphens in dot-separated
// labels); anything of digits and dots alone must be a whole IPv4 address.
bool isValidBridgeHost(const QString &text);
// The port as typed, when it is a whole number from 1 to 65535.
std::optional<int> bridgePort(const QString &text);

} // namespace AppSettings
