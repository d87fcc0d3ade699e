<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AutoCustomSetup</name>
    <message>
        <source>Plan Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutoModeUnit</name>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutoPublicSetup</name>
    <message>
        <source>Pump Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel On/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump Gears</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reagent </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutoSetupParameter</name>
    <message>
        <source>Dose timess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dose Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per Dose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pump holds a volume that cannot be shown; Save writes the value shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>DialogChemicalInter</name>
    <message>
        <source>Chemical Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
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
    <name>DialogPassword</name>
    <message>
        <source>Password Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Password</source>
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
    <message>
        <source>The new password can only use ASCII characters: English letters, digits and the common symbols.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogPumpName</name>
    <message>
        <source>Pump Name Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump4</source>
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
    <name>DoseSetGroup</name>
    <message>
        <source>Auto Dose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (channel %2) is On, but its stop time is not after its start time, so it has no doses per day. Choose a later stop time. Nothing was saved.</source>
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
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>Firmware Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase Setup Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Binary File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary File(*.bin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is empty or cannot be read. Please choose a firmware file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application connect successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operate Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase Application successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Download successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Download failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Verify successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Verify failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LiquidStatus</name>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LiquidStatusUnit</name>
    <message>
        <source>Pump Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquid Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1</source>
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
    <name>ManuControl</name>
    <message>
        <source>Manual Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everage Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00 ml/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ml/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the calibration of this pump at its current speed to the end first, then enter the volume it delivered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the volume the pump delivered before saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManualControlUnit</name>
    <message>
        <source>Pump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderate flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
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
    <name>ParameterSetup</name>
    <message>
        <source>用户输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>海缸总体积(L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钙提升量(PPM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>镁提升量(PPM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KH提升量(dKH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>建议参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>推荐滴定量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大滴定量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钙滴定量(ml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KH滴定量(ml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>镁滴定量(ml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阴阳水滴定量(ml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>锶滴定量(ml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自定义</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SensorStatusSetup</name>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Reading status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeTempSetup</name>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>℃ Celsius degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>℉ Fahrenheit scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low:%1 ℉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low:%1 ℃</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High:%1 ℉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High:%1 ℃</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active:%1 ℉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active:%1 ℃</source>
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
<context>
    <name>WeekWidget</name>
    <message>
        <source>Monday </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
