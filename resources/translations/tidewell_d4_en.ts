<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AutoCustomSetup</name>
    <message>
        <source>Plan Index</source>
        <translation>Plan Index</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Plan Volume</source>
        <translation>Plan Volume</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>AutoModeUnit</name>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
</context>
<context>
    <name>AutoPublicSetup</name>
    <message>
        <source>Pump Name</source>
        <translation>Pump Name</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>Pump1</translation>
    </message>
    <message>
        <source>Channel On/Off</source>
        <translation>Channel On/Off</translation>
    </message>
    <message>
        <source>Pump Gears</source>
        <translation>Pump Gears</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Precise</source>
        <translation>Precise</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moderate</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Run Mode</source>
        <translation>Run Mode</translation>
    </message>
    <message>
        <source>Reagent </source>
        <translation>Reagent </translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>2 day</source>
        <translation>2 day</translation>
    </message>
    <message>
        <source>3 day</source>
        <translation>3 day</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
</context>
<context>
    <name>AutoSetupParameter</name>
    <message>
        <source>Dose timess</source>
        <translation>Dose timess</translation>
    </message>
    <message>
        <source>Dose Volume</source>
        <translation>Dose Volume</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Per Dose</source>
        <translation>Per Dose</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Stop Time</translation>
    </message>
    <message>
        <source>The pump holds a volume that cannot be shown; Save writes the value shown.</source>
        <translation>The pump holds a volume that cannot be shown; Save writes the value shown.</translation>
    </message>
</context>
<context>
    <name>DeviceTabs</name>
    <message>
        <source>The changes on %1 have not been saved to the pump. Discard them?</source>
        <translation>The changes on %1 have not been saved to the pump. Discard them?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Software Version </source>
        <translation>Software Version </translation>
    </message>
    <message>
        <source>Tidewell D4 dosing pump control software</source>
        <translation>Tidewell D4 dosing pump control software</translation>
    </message>
</context>
<context>
    <name>DialogChemicalInter</name>
    <message>
        <source>Chemical Interval</source>
        <translation>Chemical Interval</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>Pump1</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Pump2</source>
        <translation>Pump2</translation>
    </message>
    <message>
        <source>Pump3</source>
        <translation>Pump3</translation>
    </message>
    <message>
        <source>Pump4</source>
        <translation>Pump4</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DialogIpPort</name>
    <message>
        <source>IP and PORT setup</source>
        <translation>IP and PORT setup</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Reconnect</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>IP: &quot;%1&quot; is neither an IPv4 address nor a host name.</source>
        <translation>IP: &quot;%1&quot; is neither an IPv4 address nor a host name.</translation>
    </message>
    <message>
        <source>PORT: &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>PORT: &quot;%1&quot; is not a number from 1 to 65535.</translation>
    </message>
</context>
<context>
    <name>DialogLogin</name>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Save Password</source>
        <translation>Save Password</translation>
    </message>
    <message>
        <source>Net Setup</source>
        <translation>Net Setup</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DialogPassword</name>
    <message>
        <source>Password Setup</source>
        <translation>Password Setup</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Old Password</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>New Password</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirm Password</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The new password can only use ASCII characters: English letters, digits and the common symbols.</source>
        <translation>The new password can only use ASCII characters: English letters, digits and the common symbols.</translation>
    </message>
</context>
<context>
    <name>DialogPumpName</name>
    <message>
        <source>Pump Name Setup</source>
        <translation>Pump Name Setup</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>Pump1</translation>
    </message>
    <message>
        <source>Pump2</source>
        <translation>Pump2</translation>
    </message>
    <message>
        <source>Pump3</source>
        <translation>Pump3</translation>
    </message>
    <message>
        <source>Pump4</source>
        <translation>Pump4</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Channel names of %1</source>
        <translation>Channel names of %1</translation>
    </message>
</context>
<context>
    <name>DialogSetupFile</name>
    <message>
        <source>Pump</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>%v / %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>Read and Compare</source>
        <translation>Read and Compare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Restore Setup</source>
        <translation>Restore Setup</translation>
    </message>
    <message>
        <source>Backup Setup</source>
        <translation>Backup Setup</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Tidewell setup (*.tidewell.json)</source>
        <translation>Tidewell setup (*.tidewell.json)</translation>
    </message>
    <message>
        <source>Choose a file to save the setup in.</source>
        <translation>Choose a file to save the setup in.</translation>
    </message>
    <message>
        <source>The pumps are busy; try again when the current operation has finished.</source>
        <translation>The pumps are busy; try again when the current operation has finished.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Reading %1...</translation>
    </message>
    <message>
        <source>%1 did not answer; no file was written.</source>
        <translation>%1 did not answer; no file was written.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>The setup of %1 is saved in %2.</source>
        <translation>The setup of %1 is saved in %2.</translation>
    </message>
    <message>
        <source>This file was saved from the pump at address %1; %2 is at address %3. Restore it to %2 all the same?</source>
        <translation>This file was saved from the pump at address %1; %2 is at address %3. Restore it to %2 all the same?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>This file was saved under firmware %1 (build %2); %3 runs firmware %4 (build %5). Restore it all the same?</source>
        <translation>This file was saved under firmware %1 (build %2); %3 runs firmware %4 (build %5). Restore it all the same?</translation>
    </message>
    <message>
        <source>%1 did not answer; nothing was written.</source>
        <translation>%1 did not answer; nothing was written.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>From the file</translation>
    </message>
    <message>
        <source>Nothing to change</source>
        <translation>Nothing to change</translation>
    </message>
    <message>
        <source>%1 already holds the setup of this file.</source>
        <translation>%1 already holds the setup of this file.</translation>
    </message>
    <message>
        <source>Press Restore to write these changes to %1.</source>
        <translation>Press Restore to write these changes to %1.</translation>
    </message>
    <message>
        <source>Writing to %1...</source>
        <translation>Writing to %1...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Restored: %1 holds every setting of the file.</source>
        <translation>Restored: %1 holds every setting of the file.</translation>
    </message>
    <message>
        <source>The restore stopped: %1 did not answer. Written: %2. Not written: %3. The pump was not told to take the new settings; restore again to finish.</source>
        <translation>The restore stopped: %1 did not answer. Written: %2. Not written: %3. The pump was not told to take the new settings; restore again to finish.</translation>
    </message>
    <message>
        <source>Every setting was written, but %1 did not confirm taking them; restore again to finish.</source>
        <translation>Every setting was written, but %1 did not confirm taking them; restore again to finish.</translation>
    </message>
    <message>
        <source>The setup was written to %1, but reading it back failed, so it is not checked. Read the pages to see what the pump holds.</source>
        <translation>The setup was written to %1, but reading it back failed, so it is not checked. Read the pages to see what the pump holds.</translation>
    </message>
    <message>
        <source>After the restore %1 holds other values than the file in: %2.</source>
        <translation>After the restore %1 holds other values than the file in: %2.</translation>
    </message>
</context>
<context>
    <name>DialogWaiting</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>request %1 of %2</source>
        <translation>request %1 of %2</translation>
    </message>
</context>
<context>
    <name>DoseQuestions</name>
    <message>
        <source>%1 (channel %2), %3: %4 ml per dosing day; the quick setup allows at most %5 ml a day for a %6 l aquarium.</source>
        <translation>%1 (channel %2), %3: %4 ml per dosing day; the quick setup allows at most %5 ml a day for a %6 l aquarium.</translation>
    </message>
    <message>
        <source>Above the maximum daily dose:

%1

Too much can harm the animals in the tank. Send it to the pump anyway?</source>
        <translation>Above the maximum daily dose:

%1

Too much can harm the animals in the tank. Send it to the pump anyway?</translation>
    </message>
    <message>
        <source>Send Anyway</source>
        <translation>Send Anyway</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On, custom plans</source>
        <translation>On, custom plans</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>every day</translation>
    </message>
    <message>
        <source>every %1 days</source>
        <translation>every %1 days</translation>
    </message>
    <message>
        <source>no day of the week</source>
        <translation>no day of the week</translation>
    </message>
    <message>
        <source>%1 ml per dosing day</source>
        <translation>%1 ml per dosing day</translation>
    </message>
    <message>
        <source>no dose</source>
        <translation>no dose</translation>
    </message>
    <message>
        <source>%1 x %2 ml at %3</source>
        <translation>%1 x %2 ml at %3</translation>
    </message>
    <message>
        <source>%1 %2 ml</source>
        <translation>%1 %2 ml</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>Setup replaces the whole automatic programme of the master pump. What changes is in bold.</source>
        <translation>Setup replaces the whole automatic programme of the master pump. What changes is in bold.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>After Setup</source>
        <translation>After Setup</translation>
    </message>
    <message>
        <source>Write this programme to the pump?</source>
        <translation>Write this programme to the pump?</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
</context>
<context>
    <name>DoseSetGroup</name>
    <message>
        <source>Auto Dose</source>
        <translation>Auto Dose</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>%1 (channel %2) is On, but its stop time is not after its start time, so it has no doses per day. Choose a later stop time. Nothing was saved.</source>
        <translation>%1 (channel %2) is On, but its stop time is not after its start time, so it has no doses per day. Choose a later stop time. Nothing was saved.</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>Okey</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware Upgrade</translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation>Firmware file</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Erase Setup Information</source>
        <translation>Erase Setup Information</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Open Binary File</source>
        <translation>Open Binary File</translation>
    </message>
    <message>
        <source>Binary File(*.bin)</source>
        <translation>Binary File(*.bin)</translation>
    </message>
    <message>
        <source>Application connect successfully</source>
        <translation>Application connect successfully</translation>
    </message>
    <message>
        <source>Operate Failed</source>
        <translation>Operate Failed</translation>
    </message>
    <message>
        <source>Erase Application successfully</source>
        <translation>Erase Application successfully</translation>
    </message>
    <message>
        <source>Application Download successfully</source>
        <translation>Application Download successfully</translation>
    </message>
    <message>
        <source>Application Download failed</source>
        <translation>Application Download failed</translation>
    </message>
    <message>
        <source>Application Verify successfully</source>
        <translation>Application Verify successfully</translation>
    </message>
    <message>
        <source>Application Verify failed</source>
        <translation>Application Verify failed</translation>
    </message>
    <message>
        <source>Master pump firmware now</source>
        <translation>Master pump firmware now</translation>
    </message>
    <message>
        <source>Application version not read</source>
        <translation>Application version not read</translation>
    </message>
    <message>
        <source>Boot version not read</source>
        <translation>Boot version not read</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>The file %1 is empty. Please choose a firmware file.</source>
        <translation>The file %1 is empty. Please choose a firmware file.</translation>
    </message>
    <message>
        <source>The connection is busy. Please choose the file again in a moment.</source>
        <translation>The connection is busy. Please choose the file again in a moment.</translation>
    </message>
    <message>
        <source>Upgrade the master pump with the firmware file %1?

Size: %2 bytes, sent as %3 blocks of 128 bytes.</source>
        <translation>Upgrade the master pump with the firmware file %1?

Size: %2 bytes, sent as %3 blocks of 128 bytes.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&quot;Erase Setup Information&quot; is ticked: the upgrade also erases every setting stored in the master pump.

Erase the settings of the master pump?</source>
        <translation>&quot;Erase Setup Information&quot; is ticked: the upgrade also erases every setting stored in the master pump.

Erase the settings of the master pump?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>The file stays chosen: press Upgrade to try again.</source>
        <translation>The file stays chosen: press Upgrade to try again.</translation>
    </message>
    <message>
        <source>Switch into the boot loader</source>
        <translation>Switch into the boot loader</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Start the application</source>
        <translation>Start the application</translation>
    </message>
    <message>
        <source>no reason was reported</source>
        <translation>no reason was reported</translation>
    </message>
    <message>
        <source>the pump did not answer (%1 attempts)</source>
        <translation>the pump did not answer (%1 attempts)</translation>
    </message>
    <message>
        <source>the pump did not answer</source>
        <translation>the pump did not answer</translation>
    </message>
    <message>
        <source>the pump refused the command (%1 attempts)</source>
        <translation>the pump refused the command (%1 attempts)</translation>
    </message>
    <message>
        <source>the pump did not start its boot loader</source>
        <translation>the pump did not start its boot loader</translation>
    </message>
    <message>
        <source>block %1 was refused %2 times</source>
        <translation>block %1 was refused %2 times</translation>
    </message>
    <message>
        <source>block %1 was not acknowledged (%2 attempts)</source>
        <translation>block %1 was not acknowledged (%2 attempts)</translation>
    </message>
    <message>
        <source>block %1 was refused %2 times and not acknowledged %3 times</source>
        <translation>block %1 was refused %2 times and not acknowledged %3 times</translation>
    </message>
    <message>
        <source>block %1 came back damaged %2 times</source>
        <translation>block %1 came back damaged %2 times</translation>
    </message>
    <message>
        <source>block %1 did not come back (%2 attempts)</source>
        <translation>block %1 did not come back (%2 attempts)</translation>
    </message>
    <message>
        <source>block %1 came back damaged %2 times and did not come %3 times</source>
        <translation>block %1 came back damaged %2 times and did not come %3 times</translation>
    </message>
    <message>
        <source>verification mismatch at block %1</source>
        <translation>verification mismatch at block %1</translation>
    </message>
    <message>
        <source>no firmware file is loaded</source>
        <translation>no firmware file is loaded</translation>
    </message>
    <message>
        <source>the connection is busy or down</source>
        <translation>the connection is busy or down</translation>
    </message>
    <message>
        <source>the connection to the pump was lost</source>
        <translation>the connection to the pump was lost</translation>
    </message>
    <message>
        <source>%1 failed: %2.</source>
        <translation>%1 failed: %2.</translation>
    </message>
    <message>
        <source>The master pump does not answer as a boot loader: it is probably running its application.

Restart it into its boot loader now and go on with the upgrade?</source>
        <translation>The master pump does not answer as a boot loader: it is probably running its application.

Restart it into its boot loader now and go on with the upgrade?</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Restarting the master pump into its boot loader</source>
        <translation>Restarting the master pump into its boot loader</translation>
    </message>
    <message>
        <source>Save the master&apos;s settings in a setup file before the upgrade erases them? Restore Setup in the File menu brings them back.</source>
        <translation>Save the master&apos;s settings in a setup file before the upgrade erases them? Restore Setup in the File menu brings them back.</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Backup...</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>No backup was saved. Erase the settings of the master pump all the same?</source>
        <translation>No backup was saved. Erase the settings of the master pump all the same?</translation>
    </message>
</context>
<context>
    <name>LinkStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Connecting... next try %1</source>
        <translation>Connecting... next try %1</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>%1 not answering</source>
        <translation>%1 not answering</translation>
    </message>
    <message>
        <source>%1 read %2</source>
        <translation>%1 read %2</translation>
    </message>
</context>
<context>
    <name>LiquidStatus</name>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>LiquidStatusUnit</name>
    <message>
        <source>Pump Name</source>
        <translation>Pump Name</translation>
    </message>
    <message>
        <source>Liquid Left</source>
        <translation>Liquid Left</translation>
    </message>
    <message>
        <source>Days Left</source>
        <translation>Days Left</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Refill</source>
        <translation>Refill</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>MainWindowConn</name>
    <message>
        <source>Dosing Pump</source>
        <translation>Dosing Pump</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Pump Name</source>
        <translation>Pump Name</translation>
    </message>
    <message>
        <source>Chemical Interval</source>
        <translation>Chemical Interval</translation>
    </message>
    <message>
        <source>Ip and port</source>
        <translation>Ip and port</translation>
    </message>
    <message>
        <source>Restore setup</source>
        <translation>Restore setup</translation>
    </message>
    <message>
        <source>Display prompt</source>
        <translation>Display prompt</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>PassWord</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Fireware upgrade</source>
        <translation>Fireware upgrade</translation>
    </message>
    <message>
        <source>Slave Setup</source>
        <translation>Slave Setup</translation>
    </message>
    <message>
        <source>Time/Temp</source>
        <translation>Time/Temp</translation>
    </message>
    <message>
        <source>Dose Settings</source>
        <translation>Dose Settings</translation>
    </message>
    <message>
        <source>Manual/Calibration</source>
        <translation>Manual/Calibration</translation>
    </message>
    <message>
        <source>Liquid Status</source>
        <translation>Liquid Status</translation>
    </message>
    <message>
        <source>Quik Setup</source>
        <translation>Quik Setup</translation>
    </message>
    <message>
        <source>Liquid sensor</source>
        <translation>Liquid sensor</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware Upgrade</translation>
    </message>
    <message>
        <source>Tidewell D4 dosing pump</source>
        <translation>Tidewell D4 dosing pump</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>Okey</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Restart Now</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Restart Later</translation>
    </message>
    <message>
        <source>%1 did not answer; its pages are disabled</source>
        <translation>%1 did not answer; its pages are disabled</translation>
    </message>
    <message>
        <source>%1 did not answer; their pages are disabled</source>
        <translation>%1 did not answer; their pages are disabled</translation>
    </message>
    <message>
        <source>Backup Setup...</source>
        <translation>Backup Setup...</translation>
    </message>
    <message>
        <source>Restore Setup...</source>
        <translation>Restore Setup...</translation>
    </message>
    <message>
        <source>Quiet confirmations</source>
        <translation>Quiet confirmations</translation>
    </message>
    <message>
        <source>These pages have changes that have not been saved to the pump: %1. Discard them?</source>
        <translation>These pages have changes that have not been saved to the pump: %1. Discard them?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Warnings: %1</source>
        <translation>Warnings: %1</translation>
    </message>
    <message>
        <source>No warnings</source>
        <translation>No warnings</translation>
    </message>
    <message>
        <source>Show the overview</source>
        <translation>Show the overview</translation>
    </message>
</context>
<context>
    <name>ManuControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Manual Control</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Calibration mode</source>
        <translation>Calibration mode</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Run for</source>
        <translation>Run for</translation>
    </message>
    <message>
        <source> S</source>
        <translation> S</translation>
    </message>
    <message>
        <source>Work Time</source>
        <translation>Work Time</translation>
    </message>
    <message>
        <source>0 S</source>
        <translation>0 S</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>Everage Flow</source>
        <translation>Everage Flow</translation>
    </message>
    <message>
        <source>0.00 ml/min</source>
        <translation>0.00 ml/min</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>%1 S</translation>
    </message>
    <message>
        <source>%1 ml/min</source>
        <translation>%1 ml/min</translation>
    </message>
    <message>
        <source>Run the calibration of this pump at its current speed to the end first, then enter the volume it delivered.</source>
        <translation>Run the calibration of this pump at its current speed to the end first, then enter the volume it delivered.</translation>
    </message>
    <message>
        <source>Enter the volume the pump delivered before saving.</source>
        <translation>Enter the volume the pump delivered before saving.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>ManualControlUnit</name>
    <message>
        <source>Pump</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Precise flow</source>
        <translation>Precise flow</translation>
    </message>
    <message>
        <source>Moderate flow</source>
        <translation>Moderate flow</translation>
    </message>
    <message>
        <source>Fast flow</source>
        <translation>Fast flow</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>%1: a run of %2 ml is more than the %3 ml left in its bottle. The bottle may run empty before the run ends. Start it anyway?</source>
        <translation>%1: a run of %2 ml is more than the %3 ml left in its bottle. The bottle may run empty before the run ends. Start it anyway?</translation>
    </message>
    <message>
        <source>Start Anyway</source>
        <translation>Start Anyway</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <source>Setting Saved Successfully</source>
        <translation>Setting Saved Successfully</translation>
    </message>
    <message>
        <source>Failed to Save Setting</source>
        <translation>Failed to Save Setting</translation>
    </message>
    <message>
        <source>Read setting Successfully</source>
        <translation>Read setting Successfully</translation>
    </message>
    <message>
        <source>Failed to read the setting</source>
        <translation>Failed to read the setting</translation>
    </message>
    <message>
        <source>Reconnect successfully</source>
        <translation>Reconnect successfully</translation>
    </message>
    <message>
        <source>Network connection error, please check your Internet setting</source>
        <translation>Network connection error, please check your Internet setting</translation>
    </message>
    <message>
        <source>Wrong Password</source>
        <translation>Wrong Password</translation>
    </message>
    <message>
        <source>The old password is wrong</source>
        <translation>The old password is wrong</translation>
    </message>
    <message>
        <source>The two passwords you enter do not match</source>
        <translation>The two passwords you enter do not match</translation>
    </message>
    <message>
        <source>New password length must be shorter than 7</source>
        <translation>New password length must be shorter than 7</translation>
    </message>
    <message>
        <source>New password length can not be empty</source>
        <translation>New password length can not be empty</translation>
    </message>
    <message>
        <source>Setting password successfully</source>
        <translation>Setting password successfully</translation>
    </message>
    <message>
        <source>There is no data needs to be saved</source>
        <translation>There is no data needs to be saved</translation>
    </message>
    <message>
        <source>Restore Factory Setting Successfully, the software will restart</source>
        <translation>Restore Factory Setting Successfully, the software will restart</translation>
    </message>
    <message>
        <source>Stop running, Please enter the volume of solution</source>
        <translation>Stop running, Please enter the volume of solution</translation>
    </message>
    <message>
        <source>Setting plan &apos;s titer beyond range</source>
        <translation>Setting plan &apos;s titer beyond range</translation>
    </message>
    <message>
        <source>Index error for setting plan</source>
        <translation>Index error for setting plan</translation>
    </message>
    <message>
        <source>Anti-chemical interference can not be more than 55 minutes</source>
        <translation>Anti-chemical interference can not be more than 55 minutes</translation>
    </message>
    <message>
        <source>If you choose to delete the “setting information” ,After upgrade , All previously setting information will disappear , Strongly recommended not to choose</source>
        <translation>If you choose to delete the “setting information” ,After upgrade , All previously setting information will disappear , Strongly recommended not to choose</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>Okey</translation>
    </message>
    <message>
        <source>Read the original parameters of Auto Liquid Adding setting</source>
        <translation>Read the original parameters of Auto Liquid Adding setting</translation>
    </message>
    <message>
        <source>Save the Auto liquid adding setup</source>
        <translation>Save the Auto liquid adding setup</translation>
    </message>
    <message>
        <source>Read the setting parameters of solution bottle</source>
        <translation>Read the setting parameters of solution bottle</translation>
    </message>
    <message>
        <source>Save the setting parameters of solution bottle</source>
        <translation>Save the setting parameters of solution bottle</translation>
    </message>
    <message>
        <source>Time and temperature setting interface</source>
        <translation>Time and temperature setting interface</translation>
    </message>
    <message>
        <source>Auto Dose setup interface, if you switch to other interface, the settings may change</source>
        <translation>Auto Dose setup interface, if you switch to other interface, the settings may change</translation>
    </message>
    <message>
        <source>Manual Control and Calibration interface</source>
        <translation>Manual Control and Calibration interface</translation>
    </message>
    <message>
        <source>Status setting and checking interface of Solution bottle</source>
        <translation>Status setting and checking interface of Solution bottle</translation>
    </message>
    <message>
        <source>Quickly setting interface</source>
        <translation>Quickly setting interface</translation>
    </message>
    <message>
        <source>Read temperature in the past 24 hours</source>
        <translation>Read temperature in the past 24 hours</translation>
    </message>
    <message>
        <source>Read the original parameters of temperature setting</source>
        <translation>Read the original parameters of temperature setting</translation>
    </message>
    <message>
        <source>Save the parameters of  temperature setting</source>
        <translation>Save the parameters of  temperature setting</translation>
    </message>
    <message>
        <source>Last update time</source>
        <translation>Last update time</translation>
    </message>
    <message>
        <source>Confirm to restore factory setting? The software will restart after resetting</source>
        <translation>Confirm to restore factory setting? The software will restart after resetting</translation>
    </message>
    <message>
        <source>Language changed successfully, do you want to restart the software now?</source>
        <translation>Language changed successfully, do you want to restart the software now?</translation>
    </message>
    <message>
        <source>Plan Index</source>
        <translation>Plan Index</translation>
    </message>
    <message>
        <source>Start time for plan</source>
        <translation>Start time for plan</translation>
    </message>
    <message>
        <source>Preset dosing volume</source>
        <translation>Preset dosing volume</translation>
    </message>
    <message>
        <source>Add or edit a plan</source>
        <translation>Add or edit a plan</translation>
    </message>
    <message>
        <source>Delete a plan</source>
        <translation>Delete a plan</translation>
    </message>
    <message>
        <source>Checking the status of liquid sensor</source>
        <translation>Checking the status of liquid sensor</translation>
    </message>
    <message>
        <source>Reading the status information for liquid sensor</source>
        <translation>Reading the status information for liquid sensor</translation>
    </message>
    <message>
        <source>Erase the setting information when update software , Strongly recommended not to choose</source>
        <translation>Erase the setting information when update software , Strongly recommended not to choose</translation>
    </message>
    <message>
        <source>Open a binary file</source>
        <translation>Open a binary file</translation>
    </message>
    <message>
        <source>Update program</source>
        <translation>Update program</translation>
    </message>
</context>
<context>
    <name>OfflineCover</name>
    <message>
        <source>This pump did not answer when it was read, so none of its values are known.</source>
        <translation>This pump did not answer when it was read, so none of its values are known.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Last try %1</source>
        <translation>Last try %1</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Warn when a bottle has days left:</source>
        <translation>Warn when a bottle has days left:</translation>
    </message>
    <message>
        <source>Read All</source>
        <translation>Read All</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bottle</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Days left</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Custom plans</source>
        <translation>Custom plans</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Every day</translation>
    </message>
    <message>
        <source>Every 2 days</source>
        <translation>Every 2 days</translation>
    </message>
    <message>
        <source>Every 3 days</source>
        <translation>Every 3 days</translation>
    </message>
    <message>
        <source>No week day</source>
        <translation>No week day</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Unknown mode</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>No dose</source>
        <translation>No dose</translation>
    </message>
    <message>
        <source>%1 · %2 × %3
%4</source>
        <translation>%1 · %2 × %3
%4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Bottle low</source>
        <translation>Bottle low</translation>
    </message>
    <message>
        <source>Sensor low</source>
        <translation>Sensor low</translation>
    </message>
    <message>
        <source>Above maximum</source>
        <translation>Above maximum</translation>
    </message>
    <message>
        <source>%1 · offline: it did not answer its last read</source>
        <translation>%1 · offline: it did not answer its last read</translation>
    </message>
    <message>
        <source>clock %1, %2</source>
        <translation>clock %1, %2</translation>
    </message>
    <message>
        <source>clock not set</source>
        <translation>clock not set</translation>
    </message>
    <message>
        <source>%1 · Clock wrong</source>
        <translation>%1 · Clock wrong</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>%1 ml left of %2 ml</source>
        <translation>%1 ml left of %2 ml</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 a day is above the maximum of %2</source>
        <translation>%1 a day is above the maximum of %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>same time as the PC</source>
        <translation>same time as the PC</translation>
    </message>
    <message>
        <source>%1 ahead of the PC</source>
        <translation>%1 ahead of the PC</translation>
    </message>
    <message>
        <source>%1 behind the PC</source>
        <translation>%1 behind the PC</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 did not answer</translation>
    </message>
</context>
<context>
    <name>ParameterSetup</name>
    <message>
        <source>用户输入</source>
        <translation>User Input</translation>
    </message>
    <message>
        <source>海缸总体积(L)</source>
        <translation>Total tank volume (L)</translation>
    </message>
    <message>
        <source>钙提升量(PPM)</source>
        <translation>Ca increase (PPM)</translation>
    </message>
    <message>
        <source>镁提升量(PPM)</source>
        <translation>Mg increase (PPM)</translation>
    </message>
    <message>
        <source>KH提升量(dKH)</source>
        <translation>KH increase (dKH)</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>建议参数</source>
        <translation>Suggested Parameters</translation>
    </message>
    <message>
        <source>推荐滴定量</source>
        <translation>Recommended Dose</translation>
    </message>
    <message>
        <source>最大滴定量</source>
        <translation>Maximum Dose</translation>
    </message>
    <message>
        <source>钙滴定量(ml)</source>
        <translation>Ca dose (ml)</translation>
    </message>
    <message>
        <source>KH滴定量(ml)</source>
        <translation>KH dose (ml)</translation>
    </message>
    <message>
        <source>镁滴定量(ml)</source>
        <translation>Mg dose (ml)</translation>
    </message>
    <message>
        <source>阴阳水滴定量(ml)</source>
        <translation>Balling mix dose (ml)</translation>
    </message>
    <message>
        <source>锶滴定量(ml)</source>
        <translation>Sr dose (ml)</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>ReadOutSplash</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Reading %1...</translation>
    </message>
</context>
<context>
    <name>SensorStatusSetup</name>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source> Reading status</source>
        <translation> Reading status</translation>
    </message>
    <message>
        <source>Sensor4</source>
        <translation>Sensor4</translation>
    </message>
    <message>
        <source>Sensor3</source>
        <translation>Sensor3</translation>
    </message>
    <message>
        <source>Sensor2</source>
        <translation>Sensor2</translation>
    </message>
    <message>
        <source>Sensor1</source>
        <translation>Sensor1</translation>
    </message>
</context>
<context>
    <name>SetupDiff</name>
    <message>
        <source>every day</source>
        <translation>every day</translation>
    </message>
    <message>
        <source>every 2 days</source>
        <translation>every 2 days</translation>
    </message>
    <message>
        <source>every 3 days</source>
        <translation>every 3 days</translation>
    </message>
    <message>
        <source>chosen weekdays</source>
        <translation>chosen weekdays</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>precise</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>moderate</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>Precise flow</source>
        <translation>Precise flow</translation>
    </message>
    <message>
        <source>Moderate flow</source>
        <translation>Moderate flow</translation>
    </message>
    <message>
        <source>Fast flow</source>
        <translation>Fast flow</translation>
    </message>
    <message>
        <source>unknown (%1)</source>
        <translation>unknown (%1)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 ml/min</source>
        <translation>%1 ml/min</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Dosing by</source>
        <translation>Dosing by</translation>
    </message>
    <message>
        <source>custom plans</source>
        <translation>custom plans</translation>
    </message>
    <message>
        <source>programme</source>
        <translation>programme</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>All channels</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Run mode</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Doses per day</source>
        <translation>Doses per day</translation>
    </message>
    <message>
        <source>Daily volume</source>
        <translation>Daily volume</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>Plans</translation>
    </message>
    <message>
        <source>Channel %1 programme</source>
        <translation>Channel %1 programme</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervals</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Low threshold</source>
        <translation>Low threshold</translation>
    </message>
    <message>
        <source>High threshold</source>
        <translation>High threshold</translation>
    </message>
    <message>
        <source>Probe calibration</source>
        <translation>Probe calibration</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Channel %1 calibration</source>
        <translation>Channel %1 calibration</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>Liquid left</source>
        <translation>Liquid left</translation>
    </message>
    <message>
        <source>Bottle %1</source>
        <translation>Bottle %1</translation>
    </message>
    <message>
        <source>Aquarium volume</source>
        <translation>Aquarium volume</translation>
    </message>
    <message>
        <source>%1 l</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>Channel %1 name</source>
        <translation>Channel %1 name</translation>
    </message>
    <message>
        <source>Channel %1 reagent</source>
        <translation>Channel %1 reagent</translation>
    </message>
    <message>
        <source>Reagent %1</source>
        <translation>Reagent %1</translation>
    </message>
    <message>
        <source>%1 (%2) quick setup values</source>
        <translation>%1 (%2) quick setup values</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>as now</translation>
    </message>
    <message>
        <source>from the file</source>
        <translation>from the file</translation>
    </message>
    <message>
        <source>Interval settings kept on the PC</source>
        <translation>Interval settings kept on the PC</translation>
    </message>
    <message>
        <source>PC settings</source>
        <translation>PC settings</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>coil</source>
        <translation>coil</translation>
    </message>
    <message>
        <source>discrete input</source>
        <translation>discrete input</translation>
    </message>
    <message>
        <source>input register</source>
        <translation>input register</translation>
    </message>
    <message>
        <source>holding register</source>
        <translation>holding register</translation>
    </message>
    <message>
        <source>The file has no %1 table.</source>
        <translation>The file has no %1 table.</translation>
    </message>
    <message>
        <source>The %1 table holds %2 values; a setup file holds %3.</source>
        <translation>The %1 table holds %2 values; a setup file holds %3.</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>no number</translation>
    </message>
    <message>
        <source>The %1 %2 holds %3; it must be a whole number from 0 to %4.</source>
        <translation>The %1 %2 holds %3; it must be a whole number from 0 to %4.</translation>
    </message>
    <message>
        <source>The PC settings in the file are incomplete (%1).</source>
        <translation>The PC settings in the file are incomplete (%1).</translation>
    </message>
    <message>
        <source>The file is not a setup file: %1 at character %2.</source>
        <translation>The file is not a setup file: %1 at character %2.</translation>
    </message>
    <message>
        <source>The file is not a setup file: it holds no JSON object.</source>
        <translation>The file is not a setup file: it holds no JSON object.</translation>
    </message>
    <message>
        <source>The file is not a Tidewell setup file (its format is &quot;%1&quot;).</source>
        <translation>The file is not a Tidewell setup file (its format is &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The file&apos;s format version %1 is not one this program knows (%2).</source>
        <translation>The file&apos;s format version %1 is not one this program knows (%2).</translation>
    </message>
    <message>
        <source>The file does not say when it was saved.</source>
        <translation>The file does not say when it was saved.</translation>
    </message>
    <message>
        <source>The file names no pump address from %1 to %2.</source>
        <translation>The file names no pump address from %1 to %2.</translation>
    </message>
    <message>
        <source>The file holds no PC settings.</source>
        <translation>The file holds no PC settings.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>The file could not be read: %1</translation>
    </message>
    <message>
        <source>The file is too large to be a setup file.</source>
        <translation>The file is too large to be a setup file.</translation>
    </message>
</context>
<context>
    <name>SetupRestore</name>
    <message>
        <source>dose programme</source>
        <translation>dose programme</translation>
    </message>
    <message>
        <source>intervals</source>
        <translation>intervals</translation>
    </message>
    <message>
        <source>temperature settings</source>
        <translation>temperature settings</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibration</translation>
    </message>
    <message>
        <source>bottles</source>
        <translation>bottles</translation>
    </message>
</context>
<context>
    <name>TimeTempSetup</name>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>Temperature Sensor</source>
        <translation>Temperature Sensor</translation>
    </message>
    <message>
        <source>Temperature alarm</source>
        <translation>Temperature alarm</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Read Settings</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Save Settings</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>Setup Time</source>
        <translation>Setup Time</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>Time Update</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>℃ Celsius degrees</source>
        <translation>℃ Celsius degrees</translation>
    </message>
    <message>
        <source>℉ Fahrenheit scale</source>
        <translation>℉ Fahrenheit scale</translation>
    </message>
    <message>
        <source>Low:%1 ℉</source>
        <translation>Low:%1 ℉</translation>
    </message>
    <message>
        <source>Low:%1 ℃</source>
        <translation>Low:%1 ℃</translation>
    </message>
    <message>
        <source>High:%1 ℉</source>
        <translation>High:%1 ℉</translation>
    </message>
    <message>
        <source>High:%1 ℃</source>
        <translation>High:%1 ℃</translation>
    </message>
    <message>
        <source>Active:%1 ℉</source>
        <translation>Active:%1 ℉</translation>
    </message>
    <message>
        <source>Active:%1 ℃</source>
        <translation>Active:%1 ℃</translation>
    </message>
    <message>
        <source>Pump clock: %1, %2</source>
        <translation>Pump clock: %1, %2</translation>
    </message>
    <message>
        <source>Pump clock: not set</source>
        <translation>Pump clock: not set</translation>
    </message>
    <message>
        <source>The pump&apos;s clock is wrong: set it from the PC</source>
        <translation>The pump&apos;s clock is wrong: set it from the PC</translation>
    </message>
</context>
<context>
    <name>UiOperate</name>
    <message>
        <source>Ca</source>
        <translation>Ca</translation>
    </message>
    <message>
        <source>Mg</source>
        <translation>Mg</translation>
    </message>
    <message>
        <source>Kh</source>
        <translation>Kh</translation>
    </message>
    <message>
        <source>Sr</source>
        <translation>Sr</translation>
    </message>
    <message>
        <source>阴阳水</source>
        <translation>Balling mix</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Firmvare App Version </source>
        <translation>Firmvare App Version </translation>
    </message>
    <message>
        <source>Firmvare Version </source>
        <translation>Firmvare Version </translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
</context>
<context>
    <name>WeekWidget</name>
    <message>
        <source>Monday </source>
        <translation>Monday </translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday </source>
        <translation>Saturday </translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
</context>
</TS>
