#include "StringTable.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace zqv {
namespace {

struct StrEntry {
    int id;
    const char *text;  // English source text, UTF-8
};

// The built-in English table, ordered by id (checked below) for the binary search. Each text
// is marked for lupdate in the context "StringTable"; a loaded translation finds it by that
// English text, so entries with the same English text share one translation. The wording,
// odd spellings ("Programing", "cordinate") and the indented line breaks included, is the
// established text of these messages: keep it as it is.
constexpr StrEntry kStrings[] = {
    {IDS_OLE_INIT_FAILED, QT_TRANSLATE_NOOP("StringTable", "OLE initialization failed. Make sure that the OLE libraries are the correct version.")},
    {IDS_FATAL_ERROR_101, QT_TRANSLATE_NOOP("StringTable", "Fatal error: 101.")},
    {IDS_FATAL_ERROR_REINSTALL, QT_TRANSLATE_NOOP("StringTable", "Fatal error.\nPlease uninstall and re-install ZQV CPS.")},
    {IDS_LOAD_PROFILE_FAILED, QT_TRANSLATE_NOOP("StringTable", "Failed to load profile.")},
    {IDS_SOCKETS_INIT_FAILED, QT_TRANSLATE_NOOP("StringTable", "Windows sockets initialization failed.")},
    {IDS_INVALID_PROFILE, QT_TRANSLATE_NOOP("StringTable", "Invalid profile.")},
    {IDS_UNKNOWN_ERROR, QT_TRANSLATE_NOOP("StringTable", "Unknown Error")},
    {IDS_PROGRAMMING_ERROR_107, QT_TRANSLATE_NOOP("StringTable", "Programing error: 107.")},
    {IDS_PROGRAMMING_ERROR_108, QT_TRANSLATE_NOOP("StringTable", "Programing error: 108.")},
    {IDS_SCROLL_LIST, QT_TRANSLATE_NOOP("StringTable", "Scroll List")},
    {IDS_CHANNEL_N, QT_TRANSLATE_NOOP("StringTable", "Channel %d")},
    {IDS_SCAN_MODE, QT_TRANSLATE_NOOP("StringTable", "Scan Mode")},
    {IDS_SIMILAR_NAME_EXISTS, QT_TRANSLATE_NOOP("StringTable", "A similar name already exists in the contact list. Please specify a different name.")},
    {IDS_DOC_TEMPLATE_PROFILE, QT_TRANSLATE_NOOP("StringTable", "\nProfile\nZQVCPSProfile\nZQV CPS Files (*.zqv)\n.zqv\nZQVCPS.Profile\nZQVCPS.Profile")},
    {IDS_TEXT_MESSAGES, QT_TRANSLATE_NOOP("StringTable", "Text Messages")},
    {IDS_SIMILAR_PID_EXISTS, QT_TRANSLATE_NOOP("StringTable", "A similar PID already exists in the contact list. Please specify a different PID.")},
    {IDS_PUBLIC_GROUP_CHANNEL_CHANGE, QT_TRANSLATE_NOOP("StringTable", "Changing the channel will remove this public group from channel %d's scan list and add it to channel %d's scan list. Do you want to continue?")},
    {IDS_SCAN_LIST_FULL_AFTER_CHANNEL_CHANGE, QT_TRANSLATE_NOOP("StringTable", "Channel changed successfully, but the new channel's scan list is full, this contact has not been added to new channel's scan list.")},
    {IDS_PROGRAMMING_ERROR_135, QT_TRANSLATE_NOOP("StringTable", "Programing error: 135.\nNo available private contacts in the new channel.")},
    {IDS_PRIVATE_GROUP_CHANNEL_CHANGE, QT_TRANSLATE_NOOP("StringTable", "Changing this Private Group's channel will remove all of its members. Do you want to continue?")},
    {IDS_PRIVATE_CHANNEL_CHANGE, QT_TRANSLATE_NOOP("StringTable", "Changing this Private contact's channel will remove it from all of its Private Groups and any Private Groups with no member will be deleted.  Also, this contact's Home Group field will be cleared. Do you want to continue?")},
    {IDS_PRIVATE_IN_MAX_GROUPS, QT_TRANSLATE_NOOP("StringTable", "Private contact already belongs to maximum number of private groups. Please remove this private contact from a private group first.")},
    {IDS_DELETE_PRIVATE_GROUP_QUESTION, QT_TRANSLATE_NOOP("StringTable", "Deleting this Private Group will remove all of its members. Do you want to continue?")},
    {IDS_DELETE_PRIVATE_QUESTION, QT_TRANSLATE_NOOP("StringTable", "Deleting this Private contact will remove it from all of its Private Groups and any Private Groups with no member will be deleted. Do you want to continue?")},
    {IDS_DEALER_INFO_LABEL, QT_TRANSLATE_NOOP("StringTable", "Dealer Information")},
    {IDS_CONTACT_INFO_LABEL, QT_TRANSLATE_NOOP("StringTable", "Contact Information")},
    {IDS_NOTES_LABEL, QT_TRANSLATE_NOOP("StringTable", "Notes")},
    {IDS_DEALER_INFO_TITLE, QT_TRANSLATE_NOOP("StringTable", "Dealer Information")},
    {IDS_LANGUAGE_TYPE_ERROR, QT_TRANSLATE_NOOP("StringTable", "Error: There is an error when to acquire language type!")},
    {IDS_NAME_TOO_LONG, QT_TRANSLATE_NOOP("StringTable", "The length of contact name can not exceed %d.")},
    {IDS_CHOOSE_REPORT_TEMPLATE, QT_TRANSLATE_NOOP("StringTable", "Choose a report template.")},
    {IDS_REPORTS_TITLE, QT_TRANSLATE_NOOP("StringTable", "Reports")},
    {IDS_BUTTON_OK, QT_TRANSLATE_NOOP("StringTable", "&OK")},
    {IDS_BUTTON_CANCEL, QT_TRANSLATE_NOOP("StringTable", "&Cancel")},
    {IDS_RADIO_SPECIFIC_REPORT, QT_TRANSLATE_NOOP("StringTable", "Radio-Specific Report")},
    {IDS_OVERVIEW_REPORT, QT_TRANSLATE_NOOP("StringTable", "Overview Report")},
    {IDS_NAME, QT_TRANSLATE_NOOP("StringTable", "Name")},
    {IDS_REPORT_WINDOW_TITLE, QT_TRANSLATE_NOOP("StringTable", "Report")},
    {IDS_REPORT_PRINT, QT_TRANSLATE_NOOP("StringTable", "Print")},
    {IDS_REPORT_PRINT_PREVIEW, QT_TRANSLATE_NOOP("StringTable", "Print Preview")},
    {IDS_REPORT_CLOSE, QT_TRANSLATE_NOOP("StringTable", "Close")},
    {IDS_REPORT_SAVE_AS, QT_TRANSLATE_NOOP("StringTable", "Save As...")},
    {IDS_MODEL, QT_TRANSLATE_NOOP("StringTable", "Model")},
    {IDS_HOME_CHANNEL, QT_TRANSLATE_NOOP("StringTable", "Home Channel")},
    {IDS_SEE_ALL_GROUPS, QT_TRANSLATE_NOOP("StringTable", "See All Groups")},
    {IDS_RECEIVE_FROM, QT_TRANSLATE_NOOP("StringTable", "Receive From")},
    {IDS_TRANSMIT_TO, QT_TRANSLATE_NOOP("StringTable", "Transmit To")},
    {IDS_ALL_PRIVATES, QT_TRANSLATE_NOOP("StringTable", "All Privates")},
    {IDS_ALL_PRIVATE_GROUPS, QT_TRANSLATE_NOOP("StringTable", "All Private Groups")},
    {IDS_ALL_PUBLIC_GROUPS, QT_TRANSLATE_NOOP("StringTable", "All Public Groups")},
    {IDS_MANAGER_MODE_ENABLED, QT_TRANSLATE_NOOP("StringTable", "Manager Mode Enabled")},
    {IDS_SEE_ALL_GROUPS_ENABLED, QT_TRANSLATE_NOOP("StringTable", "See All Groups Enabled")},
    {IDS_GROUP_ONLY_ENABLED, QT_TRANSLATE_NOOP("StringTable", "Group Only Enabled")},
    {IDS_PRIVATE_GROUPS, QT_TRANSLATE_NOOP("StringTable", "Private Groups")},
    {IDS_PUBLIC_GROUPS, QT_TRANSLATE_NOOP("StringTable", "Public Groups")},
    {IDS_RECEIVE_LIST, QT_TRANSLATE_NOOP("StringTable", "Receive List")},
    {IDS_GROUP_MEMBERS, QT_TRANSLATE_NOOP("StringTable", "Group Members")},
    {IDS_ENABLED, QT_TRANSLATE_NOOP("StringTable", "Enabled")},
    {IDS_DISABLED, QT_TRANSLATE_NOOP("StringTable", "Disabled")},
    {IDS_TEXT_MESSAGE_TOO_LONG, QT_TRANSLATE_NOOP("StringTable", "The length of text message can not exceed %d characters.")},
    {IDS_LABEL_COLON, QT_TRANSLATE_NOOP("StringTable", ":")},
    {IDS_MANAGER_MODE, QT_TRANSLATE_NOOP("StringTable", "Manager Mode")},
    {IDS_LANGUAGE_ENGLISH, QT_TRANSLATE_NOOP("StringTable", "English")},
    {IDS_LANGUAGE_SPANISH, QT_TRANSLATE_NOOP("StringTable", "Spanish")},
    {IDS_LANGUAGE_FRENCH, QT_TRANSLATE_NOOP("StringTable", "French")},
    {IDS_LANGUAGE_PORTUGUESE, QT_TRANSLATE_NOOP("StringTable", "Portuguese")},
    {IDS_LANGUAGE_GERMAN, QT_TRANSLATE_NOOP("StringTable", "German")},
    {IDS_SCROLL_LIST_GLOBAL, QT_TRANSLATE_NOOP("StringTable", "Scroll List (global)")},
    {IDS_SCROLL_LIST_PRIVATE, QT_TRANSLATE_NOOP("StringTable", "Scroll List (private)")},
    {IDS_PRIVATE_SCROLL_LIST, QT_TRANSLATE_NOOP("StringTable", "Private Scroll List")},
    {IDS_MESSAGE_NOT_ISO8859, QT_TRANSLATE_NOOP("StringTable", "The message can only contain ISO-8859-1 characters. By continuing, this message will be deleted. Do you want to continue?")},
    {IDS_NAME_NOT_ISO8859, QT_TRANSLATE_NOOP("StringTable", "Contact name can only contain ISO-8859-1 characters.")},
    {IDS_MENU_VIEW_HELP_PANE, QT_TRANSLATE_NOOP("StringTable", "&Help Pane")},
    {IDS_FILES_MISSING, QT_TRANSLATE_NOOP("StringTable", "Some files needed by CPS are not available.\nPlease reinstall CPS.")},
    {IDS_LANGUAGE_FILE_MISSING, QT_TRANSLATE_NOOP("StringTable", "The language resource file is missing. The CPS will start with English language version.")},
    {IDS_RESTART_FOR_LANGUAGE, QT_TRANSLATE_NOOP("StringTable", "You have to restart the CPS for this change to take effect.")},
    {IDS_MENU_FILE, QT_TRANSLATE_NOOP("StringTable", "&File")},
    {IDS_MENU_FILE_NEW, QT_TRANSLATE_NOOP("StringTable", "&New\tCtrl+N")},
    {IDS_MENU_FILE_OPEN, QT_TRANSLATE_NOOP("StringTable", "&Open...\tCtrl+O")},
    {IDS_MENU_FILE_CLOSE, QT_TRANSLATE_NOOP("StringTable", "&Close")},
    {IDS_MENU_FILE_SAVE, QT_TRANSLATE_NOOP("StringTable", "&Save\tCtrl+S")},
    {IDS_MENU_FILE_SAVE_AS, QT_TRANSLATE_NOOP("StringTable", "Save &As...")},
    {IDS_MENU_FILE_RECENT, QT_TRANSLATE_NOOP("StringTable", "Recent File")},
    {IDS_MENU_FILE_EXIT, QT_TRANSLATE_NOOP("StringTable", "E&xit")},
    {IDS_MENU_EDIT, QT_TRANSLATE_NOOP("StringTable", "&Edit")},
    {IDS_MENU_EDIT_ADD, QT_TRANSLATE_NOOP("StringTable", "&Add\tCtrl+A")},
    {IDS_MENU_EDIT_SCAN_ADD, QT_TRANSLATE_NOOP("StringTable", "&Scan(Add)\tCtrl+T")},
    {IDS_MENU_EDIT_CUT, QT_TRANSLATE_NOOP("StringTable", "Cu&t\tCtrl+X")},
    {IDS_MENU_EDIT_COPY, QT_TRANSLATE_NOOP("StringTable", "&Copy\tCtrl+C")},
    {IDS_MENU_EDIT_PASTE, QT_TRANSLATE_NOOP("StringTable", "&Paste\tCtrl+V")},
    {IDS_MENU_EDIT_DELETE, QT_TRANSLATE_NOOP("StringTable", "&Delete\tDel")},
    {IDS_MENU_EDIT_RENAME, QT_TRANSLATE_NOOP("StringTable", "&Rename\tF2")},
    {IDS_MENU_EDIT_DEALER_INFO, QT_TRANSLATE_NOOP("StringTable", "Dealer &Info")},
    {IDS_MENU_EDIT_PREFERENCE, QT_TRANSLATE_NOOP("StringTable", "Pr&eference")},
    {IDS_MENU_EDIT_LANGUAGE, QT_TRANSLATE_NOOP("StringTable", "&Language")},
    {IDS_MENU_VIEW, QT_TRANSLATE_NOOP("StringTable", "&View")},
    {IDS_MENU_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("StringTable", "&Toolbar")},
    {IDS_MENU_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("StringTable", "&Status Bar")},
    {IDS_RADIO_TEXT_CONVERT_FAILED, QT_TRANSLATE_NOOP("StringTable", "Error: Unable to convert the radio text format into the CPS text format.")},
    {IDS_MENU_DEVICE, QT_TRANSLATE_NOOP("StringTable", "&Device")},
    {IDS_MENU_DEVICE_READ, QT_TRANSLATE_NOOP("StringTable", "&Read\tCtrl+R")},
    {IDS_MENU_DEVICE_WRITE, QT_TRANSLATE_NOOP("StringTable", "&Write\tCtrl+W")},
    {IDS_MENU_DEVICE_RESET, QT_TRANSLATE_NOOP("StringTable", "R&eset\tCtrl+E")},
    {IDS_MENU_REPORT, QT_TRANSLATE_NOOP("StringTable", "&Report")},
    {IDS_MENU_WINDOW, QT_TRANSLATE_NOOP("StringTable", "&Window")},
    {IDS_MENU_WINDOW_CASCADE, QT_TRANSLATE_NOOP("StringTable", "&Cascade")},
    {IDS_MENU_WINDOW_TILE, QT_TRANSLATE_NOOP("StringTable", "&Tile")},
    {IDS_MENU_HELP, QT_TRANSLATE_NOOP("StringTable", "&Help")},
    {IDS_MENU_HELP_CONTENTS, QT_TRANSLATE_NOOP("StringTable", "&Content and Index...\tF1")},
    {IDS_MENU_HELP_ABOUT, QT_TRANSLATE_NOOP("StringTable", "&About %s...")},
    {IDS_CPS_TEXT_CONVERT_FAILED, QT_TRANSLATE_NOOP("StringTable", "Error: Unable to convert CPS character format into the radio text format.")},
    {IDS_FILTER_FILES, QT_TRANSLATE_NOOP("StringTable", "Files")},
    {IDS_FILTER_ALL_FILES, QT_TRANSLATE_NOOP("StringTable", "All Files")},
    {IDS_SETTING_NODE_IN_BOTH_PARTS, QT_TRANSLATE_NOOP("StringTable", "Error: 101 Some node exist in CodePlugSetting part and VisibleSetting.")},
    {IDS_SETTING_NODE_INCORRECT, QT_TRANSLATE_NOOP("StringTable", "Error: 102 Some node are not correct, please check.")},
    {IDS_VBSCRIPT_ENGINE_MISSING, QT_TRANSLATE_NOOP("StringTable", "CPS needs vbscript engine to start. Please install vbscript engine before re-starting the ZQV CPS.")},
    {IDS_PASSWORD_NEEDS_4_DIGITS, QT_TRANSLATE_NOOP("StringTable", "Please enter 4 numeric characters.")},
    {IDS_PASSWORDS_DO_NOT_MATCH, QT_TRANSLATE_NOOP("StringTable", "The passwords you entered do not match.")},
    {IDS_CONVERT_TO_LATEST_FORMAT, QT_TRANSLATE_NOOP("StringTable", "The opened profile is not the latest format. Do you want convert it to the latest format?\n(You can't convert it back to the original format once you select yes.)")},
    {IDS_LANGUAGE_DUTCH, QT_TRANSLATE_NOOP("StringTable", "Dutch")},
    {IDS_SAVE_FORMAT_ERROR, QT_TRANSLATE_NOOP("StringTable", "File format is error. Failed to save.")},
    {IDS_PASSWORD_DIALOG_TITLE, QT_TRANSLATE_NOOP("StringTable", "Dialog")},
    {IDS_PASSWORD_PROMPT, QT_TRANSLATE_NOOP("StringTable", "Please enter the password:")},
    {IDS_PASSWORD_INCORRECT, QT_TRANSLATE_NOOP("StringTable", "The password is not correct. Please check it.")},
    {IDS_RADIO_PASSWORD_FAILED, QT_TRANSLATE_NOOP("StringTable", "Error: Unable to get radio password.")},
    {IDS_NO_COM_PORT, QT_TRANSLATE_NOOP("StringTable", "No COM port is detected on this computer.")},
    {IDS_M_PROFILE_NOT_COMPATIBLE, QT_TRANSLATE_NOOP("StringTable", "ZQV7 M profile is not compatible with ZQV7 radio.")},
    {IDS_AUTO_DETECT_COM_PORT, QT_TRANSLATE_NOOP("StringTable", "Auto Detect COM Port")},
    {IDS_READ_NEW_OR_OVERWRITE, QT_TRANSLATE_NOOP("StringTable", "Do you want to create a new profile(Yes), overwrite the currently selected profile(No) or cancel it?")},
    {IDS_PREFERENCE_TITLE, QT_TRANSLATE_NOOP("StringTable", "Preference Setting")},
    {IDS_SELECT_COM_PORT, QT_TRANSLATE_NOOP("StringTable", "Select COM Port")},
    {IDS_REGISTRY_READ_ERROR, QT_TRANSLATE_NOOP("StringTable", "Can not read the registry entry of ")},
    {IDS_READING_FROM_RADIO, QT_TRANSLATE_NOOP("StringTable", "Reading from the radio ...")},
    {IDS_WRITING_TO_RADIO, QT_TRANSLATE_NOOP("StringTable", "Writing to the radio ...")},
    {IDS_READING_SUCCESSFUL, QT_TRANSLATE_NOOP("StringTable", "Reading successful!")},
    {IDS_WRITING_SUCCESS, QT_TRANSLATE_NOOP("StringTable", "Writing success!")},
    {IDS_TRANSFERRING, QT_TRANSLATE_NOOP("StringTable", "Transferring")},
    {IDS_WARN_RADIO_NOT_IN_PROFILE, QT_TRANSLATE_NOOP("StringTable", "Warning: The radio being programmed is not in this profile. Do you want to continue?")},
    {IDS_WARN_PROFILE_NOT_SUPPORTED, QT_TRANSLATE_NOOP("StringTable", "Warning: Some profile information is not supported by the host radio and therefore it will not be transferred. Do you want to continue?")},
    {IDS_UNKNOWN_WARNING, QT_TRANSLATE_NOOP("StringTable", "Unknown Warning!")},
    {IDS_NEW_PROFILE_TITLE, QT_TRANSLATE_NOOP("StringTable", "New Profile")},
    {IDS_CHOOSE_PROFILE_MODEL, QT_TRANSLATE_NOOP("StringTable", "Please choose profile model.")},
    {IDS_UNIT_PRIVATE_ID, QT_TRANSLATE_NOOP("StringTable", "Unit Private ID")},
    {IDS_FIRMWARE_VERSION, QT_TRANSLATE_NOOP("StringTable", "Firmware Version")},
    {IDS_CODEPLUG_VERSION, QT_TRANSLATE_NOOP("StringTable", "Codeplug Version")},
    {IDS_READ_PID_INSTRUCTION, QT_TRANSLATE_NOOP("StringTable", "Press Home 3 times and then PTT on the other radio.")},
    {IDS_HOME_GROUP, QT_TRANSLATE_NOOP("StringTable", "Home Group")},
    {IDS_GROUP_ONLY, QT_TRANSLATE_NOOP("StringTable", "Group Only")},
    {IDS_RINGER, QT_TRANSLATE_NOOP("StringTable", "Ringer")},
    {IDS_MESSAGE_BLANK_DELETE, QT_TRANSLATE_NOOP("StringTable", "The message field is blank. By continuing, this message will be deleted. Do you want to continue?")},
    {IDS_CANCELING_OPERATION, QT_TRANSLATE_NOOP("StringTable", "Note: Canceling the operation...")},
    {IDS_GROUP_NEEDS_MEMBER, QT_TRANSLATE_NOOP("StringTable", "There should be at least one group member assigned!")},
    {IDS_READ_PID_TITLE, QT_TRANSLATE_NOOP("StringTable", "Read Private ID from Radio")},
    {IDS_READ_TITLE, QT_TRANSLATE_NOOP("StringTable", "Read")},
    {IDS_WRITE_TITLE, QT_TRANSLATE_NOOP("StringTable", "Write")},
    {IDS_NO_TEMPLATE_FILES, QT_TRANSLATE_NOOP("StringTable", "Error: Can not find template files!")},
    {IDS_FATAL_REGISTRY_ERROR, QT_TRANSLATE_NOOP("StringTable", "Fatal registry error. Please reinstall CPS.")},
    {IDS_DEALER_INFO_READ_FAILED, QT_TRANSLATE_NOOP("StringTable", "Failure to read dealer information from the registry!")},
    {IDS_DEALER_INFO_WRITE_FAILED, QT_TRANSLATE_NOOP("StringTable", "Failure to write dealer information to the registry!")},
    {IDS_XFER_VERSION_UNSUPPORTED, QT_TRANSLATE_NOOP("StringTable", "Error: The radio version is unsupported. Please upgrade\n          your CPS software.")},
    {IDS_XFER_EARLIER_FIRMWARE, QT_TRANSLATE_NOOP("StringTable", "Error: Your radio has an earlier firmware version that\n          does not support the CPS.")},
    {IDS_XFER_RESET_OR_WRITE_FIRST, QT_TRANSLATE_NOOP("StringTable", "Error: Please perform a radio reset or a radio write\n          operation first.")},
    {IDS_XFER_MODEL_UNSUPPORTED, QT_TRANSLATE_NOOP("StringTable", "Error: Radio model is unsupported.")},
    {IDS_XFER_RADIO_BUSY, QT_TRANSLATE_NOOP("StringTable", "Error: Radio is currently busy. Please try again after a\n          few seconds.")},
    {IDS_XFER_TIMED_OUT, QT_TRANSLATE_NOOP("StringTable", "Error: Operation timed out.")},
    {IDS_XFER_PORT_IN_USE, QT_TRANSLATE_NOOP("StringTable", "Error: COM port already in use by another application.")},
    {IDS_XFER_NO_CONNECTION, QT_TRANSLATE_NOOP("StringTable", "Error: Unable to establish a connection with the radio.\n          Please check your connection and try again.")},
    {IDS_NONE, QT_TRANSLATE_NOOP("StringTable", "None")},
    {IDS_ABOUT_DESCRIPTION, QT_TRANSLATE_NOOP("StringTable", "ZQV CPS - the programming software for ZQV push-to-talk radios")},
    {IDS_ABOUT_VERSION, QT_TRANSLATE_NOOP("StringTable", "Version %s")},
    {IDS_ABOUT_LEGAL_1, QT_TRANSLATE_NOOP("StringTable", "Copyright (C) Corvane. All rights reserved.")},
    {IDS_ABOUT_LEGAL_2, QT_TRANSLATE_NOOP("StringTable", "This program is protected by copyright law.")},
    {IDS_ABOUT_LEGAL_3, QT_TRANSLATE_NOOP("StringTable", "Unauthorized copying or distribution of this program, or of any part of it, is not permitted.")},
    {IDS_HELP_FILE_NOT_FOUND, QT_TRANSLATE_NOOP("StringTable", "Error: Can not find the help file!")},
    {IDS_HELP_FILE_INVALID, QT_TRANSLATE_NOOP("StringTable", "Error: Help File format is invalid!")},
    {IDS_HELP_FILE_NOT_IN_REGISTRY, QT_TRANSLATE_NOOP("StringTable", "Error: Can not find help file information in registry!")},
    {IDS_OPERATION_FAILED, QT_TRANSLATE_NOOP("StringTable", "Error: Operation Failed.")},
    {IDS_OPERATION_FAILED_REASON, QT_TRANSLATE_NOOP("StringTable", "Error: Operation Failed (%s).")},
    {IDS_OPERATION_FAILED_CODE, QT_TRANSLATE_NOOP("StringTable", "Error: Operation Failed (%d).")},
    {IDS_REASON_INVALID_OPCODE, QT_TRANSLATE_NOOP("StringTable", "Invalid Opcode")},
    {IDS_REASON_UNSUPPORTED_COMMAND, QT_TRANSLATE_NOOP("StringTable", "Unsupported Command")},
    {IDS_REASON_OPERATION_UNSUPPORTED, QT_TRANSLATE_NOOP("StringTable", "Operation Unsupported")},
    {IDS_REASON_USER_CANCELED, QT_TRANSLATE_NOOP("StringTable", "User Canceled")},
    {IDS_REASON_MESSAGE_COMPOSE, QT_TRANSLATE_NOOP("StringTable", "Message Compose")},
    {IDS_MAIN_VERSION_UNSUPPORTED, QT_TRANSLATE_NOOP("StringTable", "Error: The radio version is unsupported. Please upgrade your CPS software.")},
    {IDS_MAIN_RADIO_BUSY, QT_TRANSLATE_NOOP("StringTable", "Error: Radio is currently busy. Please try again after a few seconds.")},
    {IDS_MAIN_PORT_IN_USE, QT_TRANSLATE_NOOP("StringTable", "Error: COM port already in use by another application.")},
    {IDS_RADIO_MODEL_UNSUPPORTED, QT_TRANSLATE_NOOP("StringTable", "Error: Radio model is unsupported.")},
    {IDS_MAIN_NO_CONNECTION, QT_TRANSLATE_NOOP("StringTable", "Error: Unable to establish a connection with the radio. Please check your connection and try again.")},
    {IDS_MAIN_TIMED_OUT, QT_TRANSLATE_NOOP("StringTable", "Error: Operation timed out.")},
    {IDS_MAIN_EARLIER_FIRMWARE, QT_TRANSLATE_NOOP("StringTable", "Error: Your radio has an earlier firmware version that does not support the CPS.")},
    {IDS_MAIN_PERFORM_RESET, QT_TRANSLATE_NOOP("StringTable", "Error: Please perform a radio reset.")},
    {IDS_RADIO_INFO_LOAD_ERROR, QT_TRANSLATE_NOOP("StringTable", "Error: Radio information view loads data.")},
    {IDS_TEXT_MESSAGES_LOAD_ERROR, QT_TRANSLATE_NOOP("StringTable", "Error: Text messages view loads data.")},
    {IDS_SCRIPT_ERROR_TITLE, QT_TRANSLATE_NOOP("StringTable", "Rule script error (JavaScript engine)\n")},
    {IDS_SCRIPT_ERROR_LINE, QT_TRANSLATE_NOOP("StringTable", "Line: %d\n")},
    {IDS_SAVE_CHANGES_QUESTION, QT_TRANSLATE_NOOP("StringTable", "Save changes to %s?")},
    {IDS_ID_NOT_VALID, QT_TRANSLATE_NOOP("StringTable", "This ID is not valid for this radio model.")},
    {IDS_COPY_SCROLL_LIST_QUESTION, QT_TRANSLATE_NOOP("StringTable", "The private scroll list is empty. Do you want to start it with the contacts of the scroll list?")},
    {IDS_VALUE_NOT_VALID, QT_TRANSLATE_NOOP("StringTable", "The value is not valid.")},
    // Port and connection failures, what a read left out or changed, an unknown setting group.
    {IDS_PORT_NOT_FOUND, QT_TRANSLATE_NOOP("StringTable", "Error: The COM port does not exist. Check that the cable is plugged in and that the right port is chosen.")},
    {IDS_CONNECTION_LOST, QT_TRANSLATE_NOOP("StringTable", "Error: The connection to the radio was lost during the transfer. Check the cable and try again.")},
    {IDS_SETTING_GROUP_UNKNOWN, QT_TRANSLATE_NOOP("StringTable", "Error: The radio's firmware version %s belongs to no setting group of this installation. Please upgrade your CPS software.")},
    {IDS_READ_CONTACTS_LEFT_OUT, QT_TRANSLATE_NOOP("StringTable", "%d contact(s) of a type this program does not know were left out of the read.")},
    {IDS_READ_CONTROL_CHARS_REPLACED, QT_TRANSLATE_NOOP("StringTable", "%d control character(s) in names and texts read from the radio were replaced by blanks.")},
    {IDS_WRITE_RADIO_WAS_RESET, QT_TRANSLATE_NOOP("StringTable", "The radio was reset after the write stopped part-way and holds an incomplete profile. Write the whole profile into the radio again.")},
    // Opening files safely: refusals that name the cap or the field.
    {IDS_PROFILE_TOO_LARGE, QT_TRANSLATE_NOOP("StringTable", "The file is too large for a profile: a profile holds at most %d KB.")},
    {IDS_PROFILE_TOO_MANY_ATTRIBUTES, QT_TRANSLATE_NOOP("StringTable", "The file is not a valid profile: an element has more than %d attributes.")},
    {IDS_PROFILE_NOT_REGULAR_FILE, QT_TRANSLATE_NOOP("StringTable", "%s is not a regular file and cannot be opened as a profile.")},
    {IDS_PROFILE_SETTING_MISSING, QT_TRANSLATE_NOOP("StringTable", "The profile is incomplete: the setting \"%s\" is missing.")},
    // Save failures and what a write changes.
    {IDS_SAVE_IO_ERROR, QT_TRANSLATE_NOOP("StringTable", "Failed to save %s.\n%s")},
    {IDS_WRITE_CHANGES_QUESTION, QT_TRANSLATE_NOOP("StringTable", "The radio cannot take the profile exactly as it is. Writing it changes the following:\n\n%s\n\nDo you want to write the radio anyway?")},
    {IDS_WRITE_CHANGE_VALUE, QT_TRANSLATE_NOOP("StringTable", "%s, %s: the profile has \"%s\", the radio would get \"%s\"")},
    {IDS_WRITE_CHANGE_NOT_SENT, QT_TRANSLATE_NOOP("StringTable", "%s: not written to the radio")},
    {IDS_WRITE_CHANGE_DUPLICATE_NAME, QT_TRANSLATE_NOOP("StringTable", "%s, %s: \"%s\" is also the name of %s; contacts are found by name, so only the first is used")},
    {IDS_CLI_WARNING, QT_TRANSLATE_NOOP("StringTable", "Warning: %s")},
    {IDS_WRITE_CHANGE_NOT_ENCODABLE, QT_TRANSLATE_NOOP("StringTable", "%s: not written, its record is too long for the radio")},
    {IDS_WRITE_CHANGES_MORE, QT_TRANSLATE_NOOP("StringTable", "... and %s more")},
    // Desktop program: files named in messages, repaired user settings.
    {IDS_FILE_MESSAGE, QT_TRANSLATE_NOOP("StringTable", "%s\n\n%s")},
    {IDS_CONFIG_UNREADABLE, QT_TRANSLATE_NOOP("StringTable", "Your settings could not be read and have been reset. The unreadable file was kept as:\n%s")},
    // Task trace: the link trace setting of the Preference dialog
    {IDS_LINK_TRACE_CHECK, QT_TRANSLATE_NOOP("StringTable", "Write a link trace")},
    {IDS_LINK_TRACE_FILE, QT_TRANSLATE_NOOP("StringTable", "Trace file: %s")},
    {IDS_LINK_TRACE_OPEN_FAILED, QT_TRANSLATE_NOOP("StringTable", "The link trace file %s could not be opened: %s")},
    {IDS_RADIO_INFO_CAPTION, QT_TRANSLATE_NOOP("StringTable", "ZQV Radio Information")},
    {IDS_CLI_PASSWORD_REQUIRED, QT_TRANSLATE_NOOP("StringTable", "This radio is protected by a codeplug password. Give it with --password.")},
    {IDS_CLI_SETTING_GROUP, QT_TRANSLATE_NOOP("StringTable", "Setting Group")},
    {IDS_TWOLIST_AVAILABLE, QT_TRANSLATE_NOOP("StringTable", "Available")},
    {IDS_TWOLIST_SELECTED, QT_TRANSLATE_NOOP("StringTable", "Selected")},
    {IDS_APP_NAME, QT_TRANSLATE_NOOP("StringTable", "ZQV CPS")},
    {IDS_ABOUT_TITLE, QT_TRANSLATE_NOOP("StringTable", "About %s")},
    {IDS_STATUS_IDLE, QT_TRANSLATE_NOOP("StringTable", "For Help, press F1")},
    {IDS_INDICATOR_CAPS, QT_TRANSLATE_NOOP("StringTable", "CAP")},
    {IDS_INDICATOR_NUM, QT_TRANSLATE_NOOP("StringTable", "NUM")},
    {IDS_INDICATOR_SCRL, QT_TRANSLATE_NOOP("StringTable", "SCRL")},
    {IDS_PROMPT_FILE_NEW, QT_TRANSLATE_NOOP("StringTable", "Create a new document\nNew")},
    {IDS_PROMPT_FILE_OPEN, QT_TRANSLATE_NOOP("StringTable", "Open an existing document\nOpen")},
    {IDS_PROMPT_FILE_CLOSE, QT_TRANSLATE_NOOP("StringTable", "Close the active document\nClose")},
    {IDS_PROMPT_FILE_SAVE, QT_TRANSLATE_NOOP("StringTable", "Save the active document\nSave")},
    {IDS_PROMPT_FILE_SAVE_AS, QT_TRANSLATE_NOOP("StringTable", "Save the active document with a new name\nSave As")},
    {IDS_PROMPT_FILE_RECENT, QT_TRANSLATE_NOOP("StringTable", "Open this document")},
    {IDS_PROMPT_APP_EXIT, QT_TRANSLATE_NOOP("StringTable", "Quit the application; prompts to save documents\nExit")},
    {IDS_PROMPT_EDIT_ADD, QT_TRANSLATE_NOOP("StringTable", "Add a tree item\nAdd")},
    {IDS_PROMPT_EDIT_SCAN_ADD, QT_TRANSLATE_NOOP("StringTable", "Add a private contact with bar code scanner\nScan")},
    {IDS_PROMPT_EDIT_CUT, QT_TRANSLATE_NOOP("StringTable", "Cut the selection and put it on the Clipboard\nCut")},
    {IDS_PROMPT_EDIT_COPY, QT_TRANSLATE_NOOP("StringTable", "Copy the selection and put it on the Clipboard\nCopy")},
    {IDS_PROMPT_EDIT_PASTE, QT_TRANSLATE_NOOP("StringTable", "Insert Clipboard contents\nPaste")},
    {IDS_PROMPT_EDIT_DELETE, QT_TRANSLATE_NOOP("StringTable", "Delete a tree item\nDelete")},
    {IDS_PROMPT_EDIT_RENAME, QT_TRANSLATE_NOOP("StringTable", "Change the name of a tree item")},
    {IDS_PROMPT_EDIT_DEALER_INFO, QT_TRANSLATE_NOOP("StringTable", "Dealer information setting")},
    {IDS_PROMPT_EDIT_PREFERENCE, QT_TRANSLATE_NOOP("StringTable", "Preference setting")},
    {IDS_PROMPT_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("StringTable", "Show or hide the toolbar\nToggle ToolBar")},
    {IDS_PROMPT_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("StringTable", "Show or hide the status bar\nToggle StatusBar")},
    {IDS_PROMPT_VIEW_HELP_PANE, QT_TRANSLATE_NOOP("StringTable", "Show or hide the help pane\nToggle help pane")},
    {IDS_PROMPT_DEVICE_READ, QT_TRANSLATE_NOOP("StringTable", "Read from the radio\nRead")},
    {IDS_PROMPT_DEVICE_WRITE, QT_TRANSLATE_NOOP("StringTable", "Write to the radio\nWrite")},
    {IDS_PROMPT_DEVICE_RESET, QT_TRANSLATE_NOOP("StringTable", "Reset the radio\nReset")},
    {IDS_PROMPT_REPORT, QT_TRANSLATE_NOOP("StringTable", "Generate a report\nReport")},
    {IDS_PROMPT_WINDOW_CASCADE, QT_TRANSLATE_NOOP("StringTable", "Arrange windows so they overlap\nCascade Windows")},
    {IDS_PROMPT_WINDOW_TILE, QT_TRANSLATE_NOOP("StringTable", "Arrange windows as non-overlapping tiles\nTile Windows")},
    {IDS_PROMPT_HELP_CONTENTS, QT_TRANSLATE_NOOP("StringTable", "Display Help")},
    {IDS_PROMPT_APP_ABOUT, QT_TRANSLATE_NOOP("StringTable", "Display program information, version number and copyright\nAbout")},
    {IDS_TOOLBAR_NEW, QT_TRANSLATE_NOOP("StringTable", "New")},
    {IDS_TOOLBAR_OPEN, QT_TRANSLATE_NOOP("StringTable", "Open")},
    {IDS_TOOLBAR_SAVE, QT_TRANSLATE_NOOP("StringTable", "Save")},
    {IDS_TOOLBAR_ADD, QT_TRANSLATE_NOOP("StringTable", "Add")},
    {IDS_TOOLBAR_SCAN, QT_TRANSLATE_NOOP("StringTable", "Scan")},
    {IDS_TOOLBAR_DELETE, QT_TRANSLATE_NOOP("StringTable", "Delete")},
    {IDS_TOOLBAR_CUT, QT_TRANSLATE_NOOP("StringTable", "Cut")},
    {IDS_TOOLBAR_COPY, QT_TRANSLATE_NOOP("StringTable", "Copy")},
    {IDS_TOOLBAR_PASTE, QT_TRANSLATE_NOOP("StringTable", "Paste")},
    {IDS_TOOLBAR_READ, QT_TRANSLATE_NOOP("StringTable", "Read")},
    {IDS_TOOLBAR_WRITE, QT_TRANSLATE_NOOP("StringTable", "Write")},
    {IDS_TOOLBAR_REPORT, QT_TRANSLATE_NOOP("StringTable", "Report")},
    {IDS_TOOLBAR_ABOUT, QT_TRANSLATE_NOOP("StringTable", "About")},
    {IDS_SETTINGS, QT_TRANSLATE_NOOP("StringTable", "Settings")},
    {IDS_CONTACTS, QT_TRANSLATE_NOOP("StringTable", "Contacts")},
    {IDS_PRIVATES, QT_TRANSLATE_NOOP("StringTable", "Privates")},
    {IDS_LISTS, QT_TRANSLATE_NOOP("StringTable", "Lists")},
    {IDS_TREE_SCROLL_COUNT, QT_TRANSLATE_NOOP("StringTable", "Scroll (%d)")},
    {IDS_SCAN_LIST, QT_TRANSLATE_NOOP("StringTable", "Scan List")},
    {IDS_TREE_CHANNEL_COUNT, QT_TRANSLATE_NOOP("StringTable", "Channel %d (%d)")},
    {IDS_TREE_LABEL_ELLIPSIS, QT_TRANSLATE_NOOP("StringTable", "...")},
    {IDS_NEW_GROUP_TEXT, QT_TRANSLATE_NOOP("StringTable", "Group")},
    {IDS_NEW_PRIVATE_TEXT, QT_TRANSLATE_NOOP("StringTable", "Private")},
    {IDS_ADD_WITH_SCANNER, QT_TRANSLATE_NOOP("StringTable", " (add with scanner)")},
    {IDS_ADD_WITHOUT_SCANNER, QT_TRANSLATE_NOOP("StringTable", " (add without scanner)")},
    {IDS_CONVERT_COORDINATE_ERROR, QT_TRANSLATE_NOOP("StringTable", "Error: Convert cordinate.")},
    {IDS_PROFILE_DATA_ERROR, QT_TRANSLATE_NOOP("StringTable", "Profile data Error! The profile will be closed.")},
    {IDS_INCORRECT_FIELDS_DELETE_CONTACT, QT_TRANSLATE_NOOP("StringTable", "The following field(s) have been incorrectly specified:\n\n%s\nBy continuing, this contact will be deleted. Do you want to continue?")},
    {IDS_WRONG_FIELD_NAME, QT_TRANSLATE_NOOP("StringTable", "- (Name)\n")},
    {IDS_WRONG_FIELD_ID, QT_TRANSLATE_NOOP("StringTable", "- (ID)\n")},
    {IDS_WRONG_FIELD_GROUP_MEMBERS, QT_TRANSLATE_NOOP("StringTable", "- (Group Members)\n")},
    {IDS_NAME_EMPTY, QT_TRANSLATE_NOOP("StringTable", "Name field can not be empty!")},
    {IDS_ID_EMPTY, QT_TRANSLATE_NOOP("StringTable", "ID field can not be empty!")},
    {IDS_DELETE_CURRENT_CONTACT, QT_TRANSLATE_NOOP("StringTable", "Delete Current Contact")},
    {IDS_CHANNEL, QT_TRANSLATE_NOOP("StringTable", "Channel")},
    {IDS_ID, QT_TRANSLATE_NOOP("StringTable", "ID")},
    {IDS_ADD_ARROW, QT_TRANSLATE_NOOP("StringTable", "Add >>")},
    {IDS_REMOVE_ARROW, QT_TRANSLATE_NOOP("StringTable", "<< Remove")},
    {IDS_ADD_PUBLIC_GROUP, QT_TRANSLATE_NOOP("StringTable", "Add Public Group")},
    {IDS_DUPLICATE_PUBLIC_GROUP_ID, QT_TRANSLATE_NOOP("StringTable", "Error: Duplicate public group ID.")},
    {IDS_BANK_INFO_INCORRECT, QT_TRANSLATE_NOOP("StringTable", "Error: The bank information is incorrect.")},
    {IDS_NULL_POINTER_ERROR, QT_TRANSLATE_NOOP("StringTable", "Fatal Error: 102\nNull pointer exception!")},
    {IDS_ADD_PRIVATE_GROUP, QT_TRANSLATE_NOOP("StringTable", "Add Private Group")},
    {IDS_PRIVATE_IN_5_GROUPS, QT_TRANSLATE_NOOP("StringTable", "This contact already belongs to 5 Private Groups. Please remove it from a group first, before adding to another Private Group.")},
    {IDS_GROUPS_LEFT, QT_TRANSLATE_NOOP("StringTable", " (%d Group(s) Left)")},
    {IDS_NO_FREE_PRIVATE_IN_CHANNEL, QT_TRANSLATE_NOOP("StringTable", "No available private contacts in the new channel. The channel will be reverted back to the previous value.")},
    {IDS_ADD_PRIVATES, QT_TRANSLATE_NOOP("StringTable", "Add Privates")},
    {IDS_ADD_PRIVATES_WITH_SCANNER, QT_TRANSLATE_NOOP("StringTable", "Add Privates with a Scanner")},
    {IDS_READ_PID_BUTTON, QT_TRANSLATE_NOOP("StringTable", "Read Private ID from Radio")},
    {IDS_RINGER_N, QT_TRANSLATE_NOOP("StringTable", "Ringer %d")},
    {IDS_ENABLE_PRIVATE_SCROLL_LIST, QT_TRANSLATE_NOOP("StringTable", "Enable Private Scroll List")},
    {IDS_AVAILABLE_CONTACTS, QT_TRANSLATE_NOOP("StringTable", "Available Contacts")},
    {IDS_SCAN_LIST_CHANNEL_N, QT_TRANSLATE_NOOP("StringTable", "Scan List Channel %d")},
    {IDS_SCAN_LIST_AT_MAXIMUM, QT_TRANSLATE_NOOP("StringTable", "Reached maximum number of contacts in this channel.")},
    {IDS_SCAN_LIST_ADD_LIMIT, QT_TRANSLATE_NOOP("StringTable", "Cannot add more than %d amount of contacts to the scan list.")},
    {IDS_MAXIMUM_CONTACTS, QT_TRANSLATE_NOOP("StringTable", "Maximum Contacts:")},
    {IDS_MAXIMUM_PRIVATE_GROUPS, QT_TRANSLATE_NOOP("StringTable", "Maximum Private Groups:")},
    {IDS_MAXIMUM_PUBLIC_GROUPS, QT_TRANSLATE_NOOP("StringTable", "Maximum Public Groups:")},
    {IDS_MAXIMUM_PRIVATES, QT_TRANSLATE_NOOP("StringTable", "Maximum Privates:")},
    {IDS_CURRENT_CONTACTS, QT_TRANSLATE_NOOP("StringTable", "Current Number of Contacts:")},
    {IDS_CURRENT_PRIVATE_GROUPS, QT_TRANSLATE_NOOP("StringTable", "Current Number of Private Groups:")},
    {IDS_CURRENT_PUBLIC_GROUPS, QT_TRANSLATE_NOOP("StringTable", "Current Number of Public Groups:")},
    {IDS_CURRENT_PRIVATES, QT_TRANSLATE_NOOP("StringTable", "Current Number of Privates:")},
    {IDS_SET_VIBRACALL, QT_TRANSLATE_NOOP("StringTable", "VibraCall")},
    {IDS_SET_CONTRAST, QT_TRANSLATE_NOOP("StringTable", "Contrast")},
    {IDS_SET_BACKLIGHT, QT_TRANSLATE_NOOP("StringTable", "Backlight")},
    {IDS_SET_DISPLAY, QT_TRANSLATE_NOOP("StringTable", "Display")},
    {IDS_SET_CLOCK_ALARM, QT_TRANSLATE_NOOP("StringTable", "Clock/Alarm")},
    {IDS_SET_TIME_FORMAT, QT_TRANSLATE_NOOP("StringTable", "Time Format")},
    {IDS_SET_TIME, QT_TRANSLATE_NOOP("StringTable", "Time")},
    {IDS_SET_DATE_FORMAT, QT_TRANSLATE_NOOP("StringTable", "Date Format")},
    {IDS_SET_DATE, QT_TRANSLATE_NOOP("StringTable", "Date")},
    {IDS_SET_TIME_FROM_PC, QT_TRANSLATE_NOOP("StringTable", "Set Time Using PC Clock")},
    {IDS_SET_ALARM, QT_TRANSLATE_NOOP("StringTable", "Alarm")},
    {IDS_SET_ALARM_TIME, QT_TRANSLATE_NOOP("StringTable", "Alarm Time")},
    {IDS_SET_VOLUME, QT_TRANSLATE_NOOP("StringTable", "Volume")},
    {IDS_SET_RINGER_VOLUME, QT_TRANSLATE_NOOP("StringTable", "Ringer")},
    {IDS_SET_SPEAKER, QT_TRANSLATE_NOOP("StringTable", "Speaker")},
    {IDS_SET_KEYPAD, QT_TRANSLATE_NOOP("StringTable", "Keypad")},
    {IDS_SET_EARPIECE, QT_TRANSLATE_NOOP("StringTable", "Earpiece")},
    {IDS_SET_ADVANCED, QT_TRANSLATE_NOOP("StringTable", "Advanced")},
    {IDS_SET_MANAGER_MODE_ON_FOR, QT_TRANSLATE_NOOP("StringTable", "Manager Mode on for")},
    {IDS_SET_SEE_ALL_GROUPS_ON_FOR, QT_TRANSLATE_NOOP("StringTable", "See All Groups on for")},
    {IDS_SET_LANGUAGE, QT_TRANSLATE_NOOP("StringTable", "Language")},
    {IDS_SET_CODEPLUG_PASSWORD, QT_TRANSLATE_NOOP("StringTable", "Codeplug Password (4-digit number)")},
    {IDS_SET_CONFIRM_PASSWORD, QT_TRANSLATE_NOOP("StringTable", "Confirm Password (4-digit number)")},
    {IDS_SET_TPT_OFFSET, QT_TRANSLATE_NOOP("StringTable", "Talk Permit Tone Offset")},
    {IDS_SET_AMBIENT_NOISE, QT_TRANSLATE_NOOP("StringTable", "Ambient Noise")},
    {IDS_SET_ACCESSORY, QT_TRANSLATE_NOOP("StringTable", "Accessory")},
    {IDS_SET_RADIO, QT_TRANSLATE_NOOP("StringTable", "Radio")},
    {IDS_SET_DISABLE_INTERNAL_PTT, QT_TRANSLATE_NOOP("StringTable", "Disable Internal PTT with Accessory")},
    {IDS_SET_DISABLE_PROG_MODE, QT_TRANSLATE_NOOP("StringTable", "Disable Programming Mode")},
    {IDS_SET_DISABLE_TX_TOT, QT_TRANSLATE_NOOP("StringTable", "Disable TX Timeout Timer")},
    {IDS_SET_TX_TOT, QT_TRANSLATE_NOOP("StringTable", "Tx Timeout Timer")},
    {IDS_SET_DISABLE_PRIVATE_REPLY, QT_TRANSLATE_NOOP("StringTable", "Disable Private Reply")},
    {IDS_SET_MANAGER_MODE_NOTE, QT_TRANSLATE_NOOP("StringTable", "Note: Contacts added to the Manager Mode list are automatically added to the See All Groups list.")},
    {IDS_SET_12HR, QT_TRANSLATE_NOOP("StringTable", "12hr")},
    {IDS_SET_24HR, QT_TRANSLATE_NOOP("StringTable", "24hr")},
    {IDS_SET_MM_DD, QT_TRANSLATE_NOOP("StringTable", "MM/DD")},
    {IDS_SET_DD_MM, QT_TRANSLATE_NOOP("StringTable", "DD/MM")},
    {IDS_SET_SECONDS, QT_TRANSLATE_NOOP("StringTable", "seconds")},
    {IDS_SET_OFF, QT_TRANSLATE_NOOP("StringTable", "Off")},
    {IDS_SET_NOISE_LOW, QT_TRANSLATE_NOOP("StringTable", "Low")},
    {IDS_SET_NOISE_STANDARD, QT_TRANSLATE_NOOP("StringTable", "Standard")},
    {IDS_SET_NOISE_MEDIUM, QT_TRANSLATE_NOOP("StringTable", "Medium")},
    {IDS_SET_NOISE_HIGH, QT_TRANSLATE_NOOP("StringTable", "High")},
    {IDS_MAXIMUM_TEXT_MESSAGES, QT_TRANSLATE_NOOP("StringTable", "Maximum Text Messages:")},
    {IDS_CURRENT_TEXT_MESSAGES, QT_TRANSLATE_NOOP("StringTable", "Current Number of Text Messages:")},
    {IDS_ADD_TEXT_MESSAGE, QT_TRANSLATE_NOOP("StringTable", "Add Text Message")},
    {IDS_TEXT_MESSAGE, QT_TRANSLATE_NOOP("StringTable", "Text Message")},
    {IDS_DELETE_CURRENT_MESSAGE, QT_TRANSLATE_NOOP("StringTable", "Delete Current Message")},
    {IDS_ADD_NEW_MESSAGE, QT_TRANSLATE_NOOP("StringTable", "Add New Message")},
    {IDS_REPORT_YES, QT_TRANSLATE_NOOP("StringTable", "Yes")},
    {IDS_REPORT_NO, QT_TRANSLATE_NOOP("StringTable", "No")},
    {IDS_UNTITLED, QT_TRANSLATE_NOOP("StringTable", "Untitled")},
};

constexpr bool IdsStrictlyIncreasing()
{
    for (std::size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id)
            return false;
    }
    return true;
}
static_assert(IdsStrictlyIncreasing(), "string table entries must be sorted by id and unique");

const StrEntry *FindEntry(int id)
{
    const StrEntry *end = std::end(kStrings);
    const StrEntry *it = std::lower_bound(std::begin(kStrings), end, id,
                                          [](const StrEntry &e, int value) { return e.id < value; });
    return (it != end && it->id == id) ? it : nullptr;
}

}  // namespace

QString LoadStr(int id)
{
    const StrEntry *entry = FindEntry(id);
    if (!entry)
        return QString();
    // Without a QCoreApplication (or without translators) this yields the English text.
    return QCoreApplication::translate("StringTable", entry->text);
}

bool HasStr(int id)
{
    return FindEntry(id) != nullptr;
}

const char *EnglishStr(int id)
{
    const StrEntry *entry = FindEntry(id);
    return entry ? entry->text : "";
}

QString FormatStr(int id, const QStringList &args)
{
    const QString text = LoadStr(id);
    QString out;
    out.reserve(text.size() + 32);
    qsizetype nextArg = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'%' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar conv = text.at(i + 1);
        if (conv == u'%') {
            out += u'%';
            ++i;
        } else if (conv == u'd' || conv == u's') {
            // A missing argument leaves its place empty; arguments are inserted verbatim,
            // so a '%' inside an argument is never expanded again.
            if (nextArg < args.size())
                out += args.at(nextArg);
            ++nextArg;
            ++i;
        } else {
            out += c;  // not a conversion this table uses: keep the text as written
        }
    }
    return out;
}

}  // namespace zqv
