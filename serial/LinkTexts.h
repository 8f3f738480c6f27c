// Every text the meter link shows, in one place. The trailing blanks are part
// of the texts.
#pragma once

#include "core/TextMark.h"

namespace velmora {

// Port.
inline constexpr const char* TEXT_GET_COMM_STATE_ERROR =
    VELMORA_TR_NOOP("Core", "GetCommState Error ");
inline constexpr const char* TEXT_SET_COMM_STATE_ERROR =
    VELMORA_TR_NOOP("Core", "SetCommState Error ");
inline constexpr const char* TEXT_THREAD_EVENT_ERROR =
    VELMORA_TR_NOOP("Core", "Failed to create event for thread!");

// Protocol.
inline constexpr const char* TEXT_CONNECT_FAIL = VELMORA_TR_NOOP("Core", "Connect fail ");
inline constexpr const char* TEXT_ASK_TIMEOUT = VELMORA_TR_NOOP("Core", " ask timeout !  ");
inline constexpr const char* TEXT_WAIT_FOR_CONNECT =
    VELMORA_TR_NOOP("Core", "Wait for connect ...");
// The notice of a long wait; %1: the port ("COM2 (/dev/ttyS0)"), %2: how to
// give up (TEXT_GIVE_UP_*).
inline constexpr const char* TEXT_NO_ANSWER_YET =
    VELMORA_TR_NOOP("Core", "No answer from the meter on %1 yet: is it switched on and connected "
                            "to this port? %2");
inline constexpr const char* TEXT_GIVE_UP_STOP = VELMORA_TR_NOOP("Core", "Press Stop to give up.");
inline constexpr const char* TEXT_GIVE_UP_CTRL_C =
    VELMORA_TR_NOOP("Core", "Press Ctrl+C to give up.");
// Once a command went unanswered; %1: the port.
inline constexpr const char* TEXT_NO_ANSWER_UNCHANGED =
    VELMORA_TR_NOOP("Core", "No answer from the meter on %1: is it switched on and connected to "
                            "this port? Nothing on the meter was changed.");

// A failure text (%1, ending in a blank) once the port's device went away.
inline constexpr const char* TEXT_ADAPTER_UNPLUGGED =
    VELMORA_TR_NOOP("Core", "%1(the adapter was unplugged)");

// Finding the meter; %1 is the port as "COM3 (/dev/ttyUSB0, FTDI FT232R)".
inline constexpr const char* TEXT_LOOKING_FOR_METER =
    VELMORA_TR_NOOP("Core", "Looking for the meter ...");
inline constexpr const char* TEXT_METER_FOUND = VELMORA_TR_NOOP("Core", "Meter found on %1");
inline constexpr const char* TEXT_BOOTLOADER_FOUND =
    VELMORA_TR_NOOP("Core", "A meter in its bootloader answered on %1: use Firmware upgrade "
                            "(Meter > SOFT upgrade)");
inline constexpr const char* TEXT_NO_METER_ANSWERED =
    VELMORA_TR_NOOP("Core", "No meter answered on %1: is the meter switched on and its cable "
                            "plugged?");
inline constexpr const char* TEXT_NO_METER_ASKED =
    VELMORA_TR_NOOP("Core", "No meter could be asked: %1");
inline constexpr const char* TEXT_NO_ADAPTER =
    VELMORA_TR_NOOP("Core", "No USB serial adapter is plugged in.");
// %1: the port, with its adapter in brackets when known.
inline constexpr const char* TEXT_ADAPTER_PLUGGED_IN =
    VELMORA_TR_NOOP("Core", "USB serial adapter plugged in: %1");
inline constexpr const char* TEXT_ADAPTER_PULLED_OUT =
    VELMORA_TR_NOOP("Core", "USB serial adapter pulled out: %1");

// Why a port cannot be used; %1 is its device.
inline constexpr const char* TEXT_PORT_NOT_ALLOWED =
    VELMORA_TR_NOOP("Core", "You are not allowed to use %1: add yourself to the group '%2' "
                            "(sudo usermod -aG %3 $USER) and log in again");
inline constexpr const char* TEXT_PORT_IN_USE =
    VELMORA_TR_NOOP("Core", "%1 is in use by another program");
// %2: the program, "pid 1234" when only its lock file names it.
inline constexpr const char* TEXT_PORT_IN_USE_BY =
    VELMORA_TR_NOOP("Core", "%1 is in use by another program (%2)");
inline constexpr const char* TEXT_PORT_LOCKED =
    VELMORA_TR_NOOP("Core", "%1 is locked by another program (%2)");
inline constexpr const char* TEXT_PORT_GONE =
    VELMORA_TR_NOOP("Core", "%1 is gone: is the cable plugged in?");
inline constexpr const char* TEXT_PORT_NOT_SERIAL =
    VELMORA_TR_NOOP("Core", "%1 is not a serial port");
inline constexpr const char* TEXT_PORT_CANNOT_OPEN = VELMORA_TR_NOOP("Core", "%1 cannot be opened");
// %2: the system's reason.
inline constexpr const char* TEXT_PORT_CANNOT_OPEN_WHY =
    VELMORA_TR_NOOP("Core", "%1 cannot be opened: %2");
inline constexpr const char* TEXT_PORT_MODEMMANAGER =
    VELMORA_TR_NOOP("Core", "%1 is busy: ModemManager is probing it; the package's udev rule "
                            "keeps it away, or wait 10 s");
// %1: the adapter's maker and chip.
inline constexpr const char* TEXT_ADAPTER_BRLTTY =
    VELMORA_TR_NOOP("Core", "A %1 USB serial adapter is plugged in but has no port: brltty (a "
                            "braille display service) claimed it; remove brltty with 'sudo apt "
                            "remove brltty' or, if a braille display needs it, run 'sudo "
                            "systemctl mask brltty-udev.service' and plug the adapter in again");
// %1: the port's name, %2 the same in the environment variable's name.
inline constexpr const char* TEXT_PORT_UNMAPPED =
    VELMORA_TR_NOOP("Core", "%1 has no device: is the cable plugged in? (VELMORA_%2 may name its "
                            "path)");
// An adapter whose driver holds bytes back: %2 its latency timer in ms, %3
// how long a table write takes.
inline constexpr const char* TEXT_LATE_SECONDS =
    VELMORA_TR_NOOP("Core", "%1 answers late (latency timer %2 ms): a table write will take "
                            "about %3 seconds; see the manual page");
inline constexpr const char* TEXT_LATE_MINUTES =
    VELMORA_TR_NOOP("Core", "%1 answers late (latency timer %2 ms): a table write will take "
                            "about %3 minutes; see the manual page");

// Outcomes.
inline constexpr const char* TEXT_READ_COMPLETED = VELMORA_TR_NOOP("Core", "Read Completed ! ");
inline constexpr const char* TEXT_READ_FAILED = VELMORA_TR_NOOP("Core", "Read Failed ! ");
inline constexpr const char* TEXT_WRITE_COMPLETED = VELMORA_TR_NOOP("Core", "Write Completed ! ");
inline constexpr const char* TEXT_WRITE_FAILED = VELMORA_TR_NOOP("Core", "Write Failed ! ");
inline constexpr const char* TEXT_DELETE_COMPLETED = VELMORA_TR_NOOP("Core", "Delete Completed ! ");
inline constexpr const char* TEXT_DELETE_FAILED = VELMORA_TR_NOOP("Core", "Delete Failed ! ");

// Table transfer.
inline constexpr const char* TEXT_READ_LNB = VELMORA_TR_NOOP("Core", "Read LNB ...");
inline constexpr const char* TEXT_READ_SATELLITES = VELMORA_TR_NOOP("Core", "Read Satellites ...");
inline constexpr const char* TEXT_READ_TRANSPONDERS =
    VELMORA_TR_NOOP("Core", "Read Transponders ...");
inline constexpr const char* TEXT_WRITE_LNB = VELMORA_TR_NOOP("Core", "Write LNB ...");
inline constexpr const char* TEXT_WRITE_SATELLITES =
    VELMORA_TR_NOOP("Core", "Write Satellites ...");
inline constexpr const char* TEXT_WRITE_TRANSPONDERS =
    VELMORA_TR_NOOP("Core", "Write Transponders ...");

// Checks around a table write.
inline constexpr const char* TEXT_VERIFY = VELMORA_TR_NOOP("Core", "Verify ...");
inline constexpr const char* TEXT_VERIFY_FAILED = VELMORA_TR_NOOP("Core", "Verify Failed ! ");
inline constexpr const char* TEXT_VERIFY_READ_FAILED =
    VELMORA_TR_NOOP("Core", "Verify failed: the table could not be read back from the meter.");
inline constexpr const char* TEXT_BACKUP_FAILED = VELMORA_TR_NOOP("Core", "Backup Failed ! ");
inline constexpr const char* TEXT_BACKUP_READ_FAILED =
    VELMORA_TR_NOOP("Core", "Backup failed: the meter's table could not be read. Nothing was "
                            "written; the meter's table was left as it was.");
inline constexpr const char* TEXT_BACKUP_READ_STOPPED =
    VELMORA_TR_NOOP("Core", "You stopped the backup read. Nothing was written; the meter's table "
                            "is as it was.");
inline constexpr const char* TEXT_VERIFY_READ_STOPPED =
    VELMORA_TR_NOOP("Core", "You stopped the read-back: the table was written to the meter but not "
                            "checked.");
// A write that ended after the meter took some of its frames; with a backup
// taken, TEXT_BACKUP_BEFORE_WRITE names it.
inline constexpr const char* TEXT_WRITE_STOPPED =
    VELMORA_TR_NOOP("Core", "You stopped the write part-way, so the meter may now hold a partial "
                            "table. Write the table again to make it whole.");
inline constexpr const char* TEXT_WRITE_BROKEN_OFF =
    VELMORA_TR_NOOP("Core", "The write broke off part-way, so the meter may now hold a partial "
                            "table. Check that the meter is switched on and connected, then write "
                            "the table again.");
// %1: TEXT_WRITE_STOPPED or TEXT_WRITE_BROKEN_OFF, %2: the backup file.
inline constexpr const char* TEXT_BACKUP_BEFORE_WRITE =
    VELMORA_TR_NOOP("Core", "%1 The meter's table before this write is in %2.");
// %1: the backup file, %2: the system's reason.
inline constexpr const char* TEXT_BACKUP_SAVE_FAILED =
    VELMORA_TR_NOOP("Core", "Backup failed: cannot write %1: %2. Nothing was written; the meter's "
                            "table was left as it was.");

// Logo and icon.
inline constexpr const char* TEXT_OPEN_LOGO_ERROR =
    VELMORA_TR_NOOP("Core", "Open logo file error !");
inline constexpr const char* TEXT_OPEN_ICON_ERROR =
    VELMORA_TR_NOOP("Core", "Open icon file error !");
inline constexpr const char* TEXT_LOGO_TOO_SHORT = VELMORA_TR_NOOP("Core", "Logo file too short !");
inline constexpr const char* TEXT_ICON_TOO_SHORT = VELMORA_TR_NOOP("Core", "Icon file too short !");
inline constexpr const char* TEXT_ICON_TOO_LARGE = VELMORA_TR_NOOP("Core", "Icon file too large !");
// %1: the file, %2 to %4: the record size and the two counts of its header.
inline constexpr const char* TEXT_ICON_HEADER_ZERO =
    VELMORA_TR_NOOP("Core", "Icon file header makes no sense ! %1 announces records of %2 bytes, "
                            "%3 x %4 of each size: all three must be above 0.");
// %1: the file, %2: the bytes it announces, %3: the bytes the area holds.
inline constexpr const char* TEXT_ICON_BEYOND_AREA =
    VELMORA_TR_NOOP("Core", "Icon file too large ! %1 announces %2 bytes; the meter's icon area "
                            "holds %3.");
// %1: the file, %2: the bytes it holds, %3: the bytes needed.
inline constexpr const char* TEXT_LOGO_CUT =
    VELMORA_TR_NOOP("Core", "Logo file too short ! %1 holds %2 bytes; a logo takes %3.");
inline constexpr const char* TEXT_ICON_HEADER_CUT =
    VELMORA_TR_NOOP("Core", "Icon file too short ! %1 holds %2 bytes; an icon header takes %3.");
inline constexpr const char* TEXT_ICON_CUT =
    VELMORA_TR_NOOP("Core", "Icon file too short ! %1 holds %2 bytes; its header announces %3.");
inline constexpr const char* TEXT_WRITE_LOGO = VELMORA_TR_NOOP("Core", "Write logo ...");
inline constexpr const char* TEXT_WRITE_ICON = VELMORA_TR_NOOP("Core", "Write icon ...");
inline constexpr const char* TEXT_DELETE_ICONS_QUESTION =
    VELMORA_TR_NOOP("Core", "Are you sure to delete meter osd icon ?  ");
inline constexpr const char* LOGO_FILE_FILTER =
    VELMORA_TR_NOOP("Core", "logo files (*.bin);;All Files (*)");
inline constexpr const char* ICON_FILE_FILTER =
    VELMORA_TR_NOOP("Core", "icon files (*.bin);;All Files (*)");
inline constexpr const char* LOGO_LABEL = VELMORA_TR_NOOP("Core", "LOGO:");
inline constexpr const char* ICON_LABEL = VELMORA_TR_NOOP("Core", "ICON:");
// %1: the file's name.
inline constexpr const char* LOGO_LABEL_NAMED = VELMORA_TR_NOOP("Core", "LOGO: %1");
inline constexpr const char* ICON_LABEL_NAMED = VELMORA_TR_NOOP("Core", "ICON: %1");

}  // namespace velmora
