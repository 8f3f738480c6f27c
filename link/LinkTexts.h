// Every text the meter link shows, in one place. The trailing blanks are part
// of the texts.
#pragma once

namespace velmora {

// Port.
inline constexpr const char* TEXT_GET_COMM_STATE_ERROR = "GetCommState Error ";
inline constexpr const char* TEXT_SET_COMM_STATE_ERROR = "SetCommState Error ";
inline constexpr const char* TEXT_THREAD_EVENT_ERROR = "Failed to create event for thread!";

// Protocol.
inline constexpr const char* TEXT_CONNECT_FAIL = "Connect fail ";
inline constexpr const char* TEXT_ASK_TIMEOUT = " ask timeout !  ";
inline constexpr const char* TEXT_WAIT_FOR_CONNECT = "Wait for connect ...";
// The notice of a long wait: "No answer from the meter on COM2 (/dev/ttyS0)
// yet: ... Press Stop to give up."
inline constexpr const char* TEXT_NO_ANSWER_FROM = "No answer from the meter on ";
inline constexpr const char* TEXT_NO_ANSWER_YET =
    " yet: is it switched on and connected to this port? ";
inline constexpr const char* TEXT_GIVE_UP_STOP = "Press Stop to give up.";
inline constexpr const char* TEXT_GIVE_UP_CTRL_C = "Press Ctrl+C to give up.";
// After TEXT_NO_ANSWER_FROM and the port, once a command went unanswered.
inline constexpr const char* TEXT_NO_ANSWER_NOTHING_CHANGED =
    ": is it switched on and connected to this port? Nothing on the meter was changed.";

// The reason after a failure text once the port's device went away.
inline constexpr const char* TEXT_ADAPTER_UNPLUGGED = "the adapter was unplugged";

// Outcomes.
inline constexpr const char* TEXT_READ_COMPLETED = "Read Completed ! ";
inline constexpr const char* TEXT_READ_FAILED = "Read Failed ! ";
inline constexpr const char* TEXT_WRITE_COMPLETED = "Write Completed ! ";
inline constexpr const char* TEXT_WRITE_FAILED = "Write Failed ! ";
inline constexpr const char* TEXT_DELETE_COMPLETED = "Delete Completed ! ";
inline constexpr const char* TEXT_DELETE_FAILED = "Delete Failed ! ";

// Table transfer.
inline constexpr const char* TEXT_READ_LNB = "Read LNB ...";
inline constexpr const char* TEXT_READ_SATELLITES = "Read Satellites ...";
inline constexpr const char* TEXT_READ_TRANSPONDERS = "Read Transponders ...";
inline constexpr const char* TEXT_WRITE_LNB = "Write LNB ...";
inline constexpr const char* TEXT_WRITE_SATELLITES = "Write Satellites ...";
inline constexpr const char* TEXT_WRITE_TRANSPONDERS = "Write Transponders ...";

// Checks around a table write.
inline constexpr const char* TEXT_VERIFY = "Verify ...";
inline constexpr const char* TEXT_VERIFY_FAILED = "Verify Failed ! ";
inline constexpr const char* TEXT_VERIFY_READ_FAILED =
    "Verify failed: the table could not be read back from the meter.";
inline constexpr const char* TEXT_BACKUP_FAILED = "Backup Failed ! ";
inline constexpr const char* TEXT_BACKUP_READ_FAILED =
    "Backup failed: the meter's table could not be read. Nothing was written; the meter's table "
    "was left as it was.";
inline constexpr const char* TEXT_BACKUP_READ_STOPPED =
    "You stopped the backup read. Nothing was written; the meter's table is as it was.";
inline constexpr const char* TEXT_VERIFY_READ_STOPPED =
    "You stopped the read-back: the table was written to the meter but not checked.";
// A write that ended after the meter took some of its frames; the backup's
// name follows when one was taken.
inline constexpr const char* TEXT_WRITE_STOPPED =
    "You stopped the write part-way, so the meter may now hold a partial table. Write the table "
    "again to make it whole.";
inline constexpr const char* TEXT_WRITE_BROKEN_OFF =
    "The write broke off part-way, so the meter may now hold a partial table. Check that the "
    "meter is switched on and connected, then write the table again.";
inline constexpr const char* TEXT_BACKUP_BEFORE_WRITE =
    " The meter's table before this write is in ";
// %s: the backup file, then the system's reason.
inline constexpr const char* TEXT_BACKUP_SAVE_FAILED =
    "Backup failed: cannot write %s: %s. Nothing was written; the meter's table was left as it "
    "was.";

// Logo and icon.
inline constexpr const char* TEXT_OPEN_LOGO_ERROR = "Open logo file error !";
inline constexpr const char* TEXT_OPEN_ICON_ERROR = "Open icon file error !";
inline constexpr const char* TEXT_LOGO_TOO_SHORT = "Logo file too short !";
inline constexpr const char* TEXT_ICON_TOO_SHORT = "Icon file too short !";
inline constexpr const char* TEXT_WRITE_LOGO = "Write logo ...";
inline constexpr const char* TEXT_WRITE_ICON = "Write icon ...";
inline constexpr const char* TEXT_DELETE_ICONS_QUESTION = "Are you sure to delete meter osd icon ?  ";
inline constexpr const char* LOGO_FILE_FILTER = "logo files (*.bin)|*.bin|All Files (*.*)|*.*||";
inline constexpr const char* ICON_FILE_FILTER = "icon files (*.bin)|*.bin|All Files (*.*)|*.*||";
inline constexpr const char* LOGO_LABEL = "LOGO:";
inline constexpr const char* ICON_LABEL = "ICON:";

}  // namespace velmora
