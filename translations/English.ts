<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Program closed</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>The program stopped unexpectedly.</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>A report of the crash was saved to:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Write to Keyboard</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Function:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Please select one key first</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Could not save the key: the text is empty</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>Could not save the key: the profile could not be saved</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Mi&amp;nimize</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ma&amp;ximize</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>Keys are only captured while this window has focus.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Switch Profile</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Launch Application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Key Settings</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Lighting</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Side Light</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Advanced Keys</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Previous track</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Screen brightness +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Screen brightness -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Left Button</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Middle Button</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Right Button</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Switch windows</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>My computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Lock keyboard</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Lock/Unlock Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Lock Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Unlock Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 layer</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Battery level</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Switch to 2.4 GHz</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Switch to USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Overall lighting</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interactive lighting</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>All lighting</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brightness +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brightness -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Speed +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Speed -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Cycle direction</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Change top color</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Change bottom color</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Custom 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>All lights off</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Backlight off</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Pause backlight</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Record lighting</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Side light off</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Pause side light</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Cannot be remapped</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>Settings written to the keyboard</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Could not write to the keyboard, please try again</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n key is bound to a macro, but the keyboard holds %1. Nothing was sent.</numerusform>
            <numerusform>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n key is bound to an advanced key, but the keyboard holds %1. Nothing was sent.</numerusform>
            <numerusform>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>Device List</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Device not connected</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Calibrating all keys ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>The keyboard is offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>This keyboard is already selected</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Customize Keys</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Lighting</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Actuation</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>Write to Keyboard</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Function:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Loading</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>If Win Lock is on:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disable Windows key</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disable Shift+Tab</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disable Alt+Tab</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disable Alt+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Lighting sleeps after:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Keyboard sleeps after:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Never sleep</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Keyboard properties</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Reset current profile</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>The lighting cannot sleep later than the keyboard</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>The keyboard&apos;s sleep time is too short</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Sleep time has been set</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Could not set the sleep time</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibrating keys, please wait</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>Sleep time is out of range</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>Profile created</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profile deleted</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profile renamed</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profile exported</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profile imported</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>The maximum number of profiles has been reached</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Could not create the profile: a profile with this number already exists</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>At least one profile must remain</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>This profile does not exist</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>The profile name cannot be empty</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>The file %1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Please choose a folder first</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Please choose a file to import first</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Could not create the profile</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Could not delete the profile</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Could not rename the profile</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>The operation failed</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Could not export the profile</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Could not import the profile</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>%1 was damaged and has been started again empty; the damaged file was moved to %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>%1 is damaged and could not be moved aside; its settings cannot be used</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Reset the current profile?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Export to folder</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Open profile file</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profile files (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>The keyboard is not ready yet; it will be loaded as soon as it answers</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rename</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>No keyboard needs a firmware update</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>Lighting</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>Press (actuation)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Release (reset)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Travel tracking</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Separate press and release</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Reset sensitivity</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Debounce</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Polling rate</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Key calibration mode</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>Stop calibration</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>The key acts as soon as it moves: it presses when it moves down and releases when it moves back up by the distances set here.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Set the Rapid Trigger distances for pressing (actuation) and releasing (reset) separately.</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrate all keys</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Switch on key calibration mode;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Select a key;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. Click &quot;Start calibration&quot;;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Press the selected key all the way down;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. The program shows the result of the calibration.</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>On: Rapid Trigger ends only when the key is released completely.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Off: Rapid Trigger ends as soon as the key rises above its actuation point.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Set how far a key must be pressed before it triggers.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>To calibrate all keys, press every key all the way down once.</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>The key acts as soon as it moves: it presses when it moves down and releases when it moves back up by the distances set here.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Separate press and release</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Set the Rapid Trigger distances for pressing (actuation) and releasing (reset) separately.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Press/Release</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Debounce</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Polling rate</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Key calibration mode</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrate all keys</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Travel tracking</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Reset sensitivity</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.Explain</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Explain</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Explain</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Explain</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Explain</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explain</translation>
    </message>
</context>
<context>
    <name>DMagneticCustomEventTipView</name>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>(Light Press)Remap key</source>
        <translation>(Light press) Remap key</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(Heavy press) Key combination</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+Space</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>Breathing</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Snake</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactive</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ripple</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Twinkle</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Speed Response</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto Ripple</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Stripes</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fireworks</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musical Rhythm</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>The file is larger than %1 MB and cannot be imported</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>Not saved: the file would become larger than %1 MB. Nothing was changed.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>the path of its folder %1 is too long</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 is larger than %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>%1 cannot be read or written</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>The profiles of %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Switch on key calibration mode first</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Key calibration successful</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Key calibration running</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Key calibration failed</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Macro Recording</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Delays</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Recorded delays</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>No delay</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Default delay</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Recording started</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Recording stopped</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>The maximum number of events has been reached</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Please select a position in the list first</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Event inserted</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Event changed</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Event List</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>No events recorded</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insert Event</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insert event after</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insert event before</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Keyboard Event</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse Event</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Please enter a key</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Middle Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Please enter a delay</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro created</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro deleted</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>The macro name cannot be empty</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Macro renamed</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Please select a macro first</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro cleared</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>The macro file could not be saved</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>The macro file could not be read</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rename</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n key is bound to this macro. Deleting the macro gives it back its default function. Delete it?</numerusform>
            <numerusform>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normal Keys</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Special Keys</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Trigger points for DKS actions</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>The advanced-key file could not be saved</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Product:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progress:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Do not unplug the keyboard while its firmware is being updated!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Firmware updated</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>2.4 GHz receiver</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Firmware update failed</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Mouse Functions</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Macro Recording</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Delays</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Recorded delays</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>No delay</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Default delay</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Event List</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>No events recorded</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insert Event</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insert event after</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insert event before</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Keyboard Event</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse Event</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Please enter a key</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Middle Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Please enter a delay</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rename</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normal Keys</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Special Keys</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Trigger points for DKS actions</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>The custom scheme name cannot be empty</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Custom scheme renamed</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Could not rename the custom scheme</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Top color</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Bottom color</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Custom Schemes</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Keyboard/Side Light</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>To the right</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>To the left</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>Upwards</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>Downwards</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>Outwards from the center</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>Inwards to the center</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Clockwise</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>Counterclockwise</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>Side light: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>Select keys on the picture, then pick a color.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>Use this scheme on the keyboard</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>This keyboard has no side light</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>The lighting setting could not be saved or sent to the keyboard.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>Sets up the keys, lighting and profiles of the keyboard</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Start with the system (minimised)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Close to the tray</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Check for firmware updates</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Setting saved</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>The setting could not be saved</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware information</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>On-Screen Keyboard</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>Listening: press a key, or pick one below</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Remap to:</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Enter keys:</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Hanja</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Han/Yeong</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>K14</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>K45</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>K56</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>K131</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>K132</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>K133</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Play type</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Play once</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Play multiple times</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Continuous playback on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Play while the key is held</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Play count</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Play count 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assign macro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assign profile</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>Please record a macro first</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Select app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Please select the file of your application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Enter text…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>The text is too long; the part that does not fit was left out</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Custom Light Item</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Start with the system (minimised)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Close to the tray</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Check for firmware updates</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Send feedback</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware information</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Light mode</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Top color</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Bottom color</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Custom Schemes</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>DVirtualKeyboardTool</source>
        <translation>DVirtualKeyboardTool</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>On-Screen Keyboard</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Remap to:</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Enter keys:</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assign profile</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Select app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Please select the file of your application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Enter text…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Advanced Keys</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Hold duration</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>No advanced keys yet</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>The key has two functions: one when it is held down, another when it is clicked.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Click this key to switch continuous triggering on or off.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Hold duration</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>No advanced keys yet</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>The key has two functions: one when it is held down, another when it is clicked.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Click this key to switch continuous triggering on or off.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>With "Single Key" selected, a click on a key completes the entry;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>With "Key Combination" selected, pick at least one modifier key and then one other key to complete the combination, such as L_Shift+A or L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>The key can perform four functions: 1 to 4 functions can be bound to four different press depths.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Advanced key created</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Advanced key deleted</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>The maximum number of advanced keys has been reached</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n key is bound to this advanced key. Deleting it gives the key back its default function. Delete it?</numerusform>
            <numerusform>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Open macro file</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Macro files (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exported</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro imported</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>Could not export the macro: the macro could not be read</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>Could not export the macro: %1 could not be written</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>Could not import the macro: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>the file could not be opened</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>the file is larger than %1 MB</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>the file is not a complete XML document</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>the file holds no event</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>the file holds too many events (at most %1)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>a value of event %1 is too long for its field</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>the mark of event %1 is not a decimal number</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>the delay of event %1 is not a number from 0 to %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>event %1 is neither a key nor a mouse event</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>the key code of event %1 is not a number from %2 to %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>the mouse code of event %1 names no mouse button</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>event %1 is neither a press nor a release</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>mark %1 does not have one press followed by one release</translation>
    </message>
</context>
</TS>
