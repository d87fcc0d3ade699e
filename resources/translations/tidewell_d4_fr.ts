<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidewell D4 dosing pump control software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogIpPort</name>
    <message>
        <source>IP and PORT setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogLogin</name>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogWaiting</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowConn</name>
    <message>
        <source>Dosing Pump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chemical Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ip and port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fireware upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time/Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dose Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual/Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquid Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quik Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquid sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidewell D4 dosing pump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <source>Setting Saved Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to Save Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read setting Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read the setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection error, please check your Internet setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old password is wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two passwords you enter do not match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password length must be shorter than 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password length can not be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting password successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no data needs to be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Factory Setting Successfully, the software will restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop running, Please enter the volume of solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting plan &apos;s titer beyond range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index error for setting plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anti-chemical interference can not be more than 55 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you choose to delete the “setting information” ,After upgrade , All previously setting information will disappear , Strongly recommended not to choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the original parameters of Auto Liquid Adding setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Auto liquid adding setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the setting parameters of solution bottle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the setting parameters of solution bottle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time and temperature setting interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Dose setup interface, if you switch to other interface, the settings may change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Control and Calibration interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status setting and checking interface of Solution bottle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quickly setting interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read temperature in the past 24 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the original parameters of temperature setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the parameters of  temperature setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last update time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm to restore factory setting? The software will restart after resetting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language changed successfully, do you want to restart the software now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time for plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset dosing volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add or edit a plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the status of liquid sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the status information for liquid sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase the setting information when update software , Strongly recommended not to choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a binary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UiOperate</name>
    <message>
        <source>Ca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阴阳水</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmvare App Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmvare Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
