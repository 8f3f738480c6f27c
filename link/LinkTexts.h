// Every text the meter link shows, in one place. The trailing blanks are part
// of the texts.
#pragma once

#include "db/TextMark.h"

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

// The reason after a failure text once the port's device went away.
inline constexpr const char* TEXT_ADAPTER_UNPLUGGED = "the adapter was unplugged";

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
inline constexpr const char* TEXT_WRITE_LOGO = VELMORA_TR_NOOP("Core", "Write logo ...");
inline constexpr const char* TEXT_WRITE_ICON = VELMORA_TR_NOOP("Core", "Write icon ...");
inline constexpr const char* TEXT_DELETE_ICONS_QUESTION =
    VELMORA_TR_NOOP("Core", "Are you sure to delete meter osd icon ?  ");
inline constexpr const char* LOGO_FILE_FILTER =
    VELMORA_TR_NOOP("Core", "logo files (*.bin)|*.bin|All Files (*.*)|*.*||");
inline constexpr const char* ICON_FILE_FILTER =
    VELMORA_TR_NOOP("Core", "icon files (*.bin)|*.bin|All Files (*.*)|*.*||");
inline constexpr const char* LOGO_LABEL = VELMORA_TR_NOOP("Core", "LOGO:");
inline constexpr const char* ICON_LABEL = VELMORA_TR_NOOP("Core", "ICON:");

}  // namespace velmora
