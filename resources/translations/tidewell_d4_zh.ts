<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AutoCustomSetup</name>
    <message>
        <source>Plan Index</source>
        <translation>计划序号</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Plan Volume</source>
        <translation>计划滴定量</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>AutoModeUnit</name>
    <message>
        <source>Week</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>计划</translation>
    </message>
</context>
<context>
    <name>AutoPublicSetup</name>
    <message>
        <source>Pump Name</source>
        <translation>泵名称</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>泵1</translation>
    </message>
    <message>
        <source>Channel On/Off</source>
        <translation>通道开关</translation>
    </message>
    <message>
        <source>Pump Gears</source>
        <translation>泵速档位</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Precise</source>
        <translation>精准</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>适中</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>Run Mode</source>
        <translation>运行模式</translation>
    </message>
    <message>
        <source>Reagent </source>
        <translation>试剂 </translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>每1天</translation>
    </message>
    <message>
        <source>2 day</source>
        <translation>每2天</translation>
    </message>
    <message>
        <source>3 day</source>
        <translation>每3天</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>按周</translation>
    </message>
</context>
<context>
    <name>AutoSetupParameter</name>
    <message>
        <source>Dose timess</source>
        <translation>每日次数</translation>
    </message>
    <message>
        <source>Dose Volume</source>
        <translation>滴定总量</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Per Dose</source>
        <translation>每次滴定量</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>The pump holds a volume that cannot be shown; Save writes the value shown.</source>
        <translation>泵内保存的滴定量无法显示；保存时将写入当前显示的值。</translation>
    </message>
</context>
<context>
    <name>DeviceTabs</name>
    <message>
        <source>The changes on %1 have not been saved to the pump. Discard them?</source>
        <translation>%1 上的更改尚未保存到泵。要放弃这些更改吗？</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Software Version </source>
        <translation>软件版本 </translation>
    </message>
    <message>
        <source>Tidewell D4 dosing pump control software</source>
        <translation>Tidewell D4 滴定泵控制软件</translation>
    </message>
</context>
<context>
    <name>DialogChemicalInter</name>
    <message>
        <source>Chemical Interval</source>
        <translation>防化学干扰间隔</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>泵1</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Pump2</source>
        <translation>泵2</translation>
    </message>
    <message>
        <source>Pump3</source>
        <translation>泵3</translation>
    </message>
    <message>
        <source>Pump4</source>
        <translation>泵4</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DialogIpPort</name>
    <message>
        <source>IP and PORT setup</source>
        <translation>IP和端口设置</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>重新连接</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>IP: &quot;%1&quot; is neither an IPv4 address nor a host name.</source>
        <translation>IP：“%1”既不是 IPv4 地址，也不是主机名。</translation>
    </message>
    <message>
        <source>PORT: &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>端口：“%1”不是 1 到 65535 之间的数字。</translation>
    </message>
</context>
<context>
    <name>DialogLogin</name>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Save Password</source>
        <translation>保存密码</translation>
    </message>
    <message>
        <source>Net Setup</source>
        <translation>网络设置</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DialogPassword</name>
    <message>
        <source>Password Setup</source>
        <translation>密码设置</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>旧密码</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The new password can only use ASCII characters: English letters, digits and the common symbols.</source>
        <translation>新密码只能使用ASCII字符：英文字母、数字和常用符号。</translation>
    </message>
</context>
<context>
    <name>DialogPumpName</name>
    <message>
        <source>Pump Name Setup</source>
        <translation>泵名称设置</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>泵1</translation>
    </message>
    <message>
        <source>Pump2</source>
        <translation>泵2</translation>
    </message>
    <message>
        <source>Pump3</source>
        <translation>泵3</translation>
    </message>
    <message>
        <source>Pump4</source>
        <translation>泵4</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Channel names of %1</source>
        <translation>%1 的通道名称</translation>
    </message>
</context>
<context>
    <name>DialogSetupFile</name>
    <message>
        <source>Pump</source>
        <translation>泵</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>%v / %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>Read and Compare</source>
        <translation>读取并比较</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Restore Setup</source>
        <translation>恢复设置</translation>
    </message>
    <message>
        <source>Backup Setup</source>
        <translation>备份设置</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Tidewell setup (*.tidewell.json)</source>
        <translation>Tidewell 设置文件 (*.tidewell.json)</translation>
    </message>
    <message>
        <source>Choose a file to save the setup in.</source>
        <translation>请选择用于保存设置的文件。</translation>
    </message>
    <message>
        <source>The pumps are busy; try again when the current operation has finished.</source>
        <translation>泵正忙；请在当前操作完成后重试。</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>正在读取 %1...</translation>
    </message>
    <message>
        <source>%1 did not answer; no file was written.</source>
        <translation>%1 没有响应；未写入任何文件。</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>The setup of %1 is saved in %2.</source>
        <translation>%1 的设置已保存到 %2。</translation>
    </message>
    <message>
        <source>This file was saved from the pump at address %1; %2 is at address %3. Restore it to %2 all the same?</source>
        <translation>此文件保存自地址为 %1 的泵；%2 的地址为 %3。仍要将其恢复到 %2 吗？</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This file was saved under firmware %1 (build %2); %3 runs firmware %4 (build %5). Restore it all the same?</source>
        <translation>此文件保存时的固件为 %1（构建 %2）；%3 运行的固件为 %4（构建 %5）。仍要恢复吗？</translation>
    </message>
    <message>
        <source>%1 did not answer; nothing was written.</source>
        <translation>%1 没有响应；未写入任何内容。</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>未写入任何内容。</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>文件中</translation>
    </message>
    <message>
        <source>Nothing to change</source>
        <translation>无需更改</translation>
    </message>
    <message>
        <source>%1 already holds the setup of this file.</source>
        <translation>%1 已经是此文件中的设置。</translation>
    </message>
    <message>
        <source>Press Restore to write these changes to %1.</source>
        <translation>按“恢复”将这些更改写入 %1。</translation>
    </message>
    <message>
        <source>Writing to %1...</source>
        <translation>正在写入 %1...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Restored: %1 holds every setting of the file.</source>
        <translation>已恢复：%1 已包含文件中的全部设置。</translation>
    </message>
    <message>
        <source>The restore stopped: %1 did not answer. Written: %2. Not written: %3. The pump was not told to take the new settings; restore again to finish.</source>
        <translation>恢复已中断：%1 没有响应。已写入：%2。未写入：%3。泵尚未被通知启用新设置；请重新恢复以完成操作。</translation>
    </message>
    <message>
        <source>Every setting was written, but %1 did not confirm taking them; restore again to finish.</source>
        <translation>所有设置均已写入，但 %1 未确认启用；请重新恢复以完成操作。</translation>
    </message>
    <message>
        <source>The setup was written to %1, but reading it back failed, so it is not checked. Read the pages to see what the pump holds.</source>
        <translation>设置已写入 %1，但回读失败，因此未经核对。请读取各页面以查看泵中的实际设置。</translation>
    </message>
    <message>
        <source>After the restore %1 holds other values than the file in: %2.</source>
        <translation>恢复后，%1 中以下项目的值与文件不同：%2。</translation>
    </message>
</context>
<context>
    <name>DialogWaiting</name>
    <message>
        <source>Dialog</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>request %1 of %2</source>
        <translation>第 %1 个请求，共 %2 个</translation>
    </message>
</context>
<context>
    <name>DoseQuestions</name>
    <message>
        <source>%1 (channel %2), %3: %4 ml per dosing day; the quick setup allows at most %5 ml a day for a %6 l aquarium.</source>
        <translation>%1（通道%2），%3：每个滴定日 %4 ml；快速设置对 %6 升的水族箱每天最多允许 %5 ml。</translation>
    </message>
    <message>
        <source>Above the maximum daily dose:

%1

Too much can harm the animals in the tank. Send it to the pump anyway?</source>
        <translation>超过每日最大剂量：

%1

剂量过多可能伤害缸中的生物。仍然发送到泵吗？</translation>
    </message>
    <message>
        <source>Send Anyway</source>
        <translation>仍然发送</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On, custom plans</source>
        <translation>开，自定义计划</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>every %1 days</source>
        <translation>每%1天</translation>
    </message>
    <message>
        <source>no day of the week</source>
        <translation>未选星期</translation>
    </message>
    <message>
        <source>%1 ml per dosing day</source>
        <translation>每个滴定日 %1 ml</translation>
    </message>
    <message>
        <source>no dose</source>
        <translation>无剂量</translation>
    </message>
    <message>
        <source>%1 x %2 ml at %3</source>
        <translation>%1 × %2 ml，时间 %3</translation>
    </message>
    <message>
        <source>%1 %2 ml</source>
        <translation>%1 %2 ml</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>通道%1</translation>
    </message>
    <message>
        <source>Setup replaces the whole automatic programme of the master pump. What changes is in bold.</source>
        <translation>设置将替换主机的整个自动程序。有变化的内容以粗体显示。</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>After Setup</source>
        <translation>设置后</translation>
    </message>
    <message>
        <source>Write this programme to the pump?</source>
        <translation>将此程序写入泵吗？</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
</context>
<context>
    <name>DoseSetGroup</name>
    <message>
        <source>Auto Dose</source>
        <translation>自动滴定</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>%1 (channel %2) is On, but its stop time is not after its start time, so it has no doses per day. Choose a later stop time. Nothing was saved.</source>
        <translation>%1（通道%2）已开启，但结束时间不晚于开始时间，每天没有滴定次数。请选择更晚的结束时间。未保存任何设置。</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>Firmware Upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation>固件文件</translation>
    </message>
    <message>
        <source>File</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Erase Setup Information</source>
        <translation>清除设置信息</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Open Binary File</source>
        <translation>打开二进制文件</translation>
    </message>
    <message>
        <source>Binary File(*.bin)</source>
        <translation>二进制文件(*.bin)</translation>
    </message>
    <message>
        <source>Application connect successfully</source>
        <translation>应用程序连接成功</translation>
    </message>
    <message>
        <source>Operate Failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <source>Erase Application successfully</source>
        <translation>擦除应用程序成功</translation>
    </message>
    <message>
        <source>Application Download successfully</source>
        <translation>应用程序下载成功</translation>
    </message>
    <message>
        <source>Application Download failed</source>
        <translation>应用程序下载失败</translation>
    </message>
    <message>
        <source>Application Verify successfully</source>
        <translation>应用程序校验成功</translation>
    </message>
    <message>
        <source>Application Verify failed</source>
        <translation>应用程序校验失败</translation>
    </message>
    <message>
        <source>Master pump firmware now</source>
        <translation>主泵当前固件</translation>
    </message>
    <message>
        <source>Application version not read</source>
        <translation>应用程序版本未读取</translation>
    </message>
    <message>
        <source>Boot version not read</source>
        <translation>引导程序版本未读取</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>The file %1 is empty. Please choose a firmware file.</source>
        <translation>文件 %1 为空。请选择固件文件。</translation>
    </message>
    <message>
        <source>The connection is busy. Please choose the file again in a moment.</source>
        <translation>连接正忙。请稍后重新选择文件。</translation>
    </message>
    <message>
        <source>Upgrade the master pump with the firmware file %1?

Size: %2 bytes, sent as %3 blocks of 128 bytes.</source>
        <translation>用固件文件 %1 升级主泵吗？

大小：%2 字节，分 %3 个 128 字节的数据块发送。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&quot;Erase Setup Information&quot; is ticked: the upgrade also erases every setting stored in the master pump.

Erase the settings of the master pump?</source>
        <translation>已勾选“清除设置信息”：升级还会擦除主泵中保存的所有设置。

要擦除主泵的设置吗？</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>擦除</translation>
    </message>
    <message>
        <source>The file stays chosen: press Upgrade to try again.</source>
        <translation>文件仍保持选中：按“升级”可重试。</translation>
    </message>
    <message>
        <source>Switch into the boot loader</source>
        <translation>切换到引导程序</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>Start the application</source>
        <translation>启动应用程序</translation>
    </message>
    <message>
        <source>no reason was reported</source>
        <translation>未报告原因</translation>
    </message>
    <message>
        <source>the pump did not answer (%1 attempts)</source>
        <translation>泵没有应答（尝试 %1 次）</translation>
    </message>
    <message>
        <source>the pump did not answer</source>
        <translation>泵没有应答</translation>
    </message>
    <message>
        <source>the pump refused the command (%1 attempts)</source>
        <translation>泵拒绝了该命令（尝试 %1 次）</translation>
    </message>
    <message>
        <source>the pump did not start its boot loader</source>
        <translation>泵没有启动引导程序</translation>
    </message>
    <message>
        <source>block %1 was refused %2 times</source>
        <translation>数据块 %1 被拒绝 %2 次</translation>
    </message>
    <message>
        <source>block %1 was not acknowledged (%2 attempts)</source>
        <translation>数据块 %1 未被确认（尝试 %2 次）</translation>
    </message>
    <message>
        <source>block %1 was refused %2 times and not acknowledged %3 times</source>
        <translation>数据块 %1 被拒绝 %2 次，未被确认 %3 次</translation>
    </message>
    <message>
        <source>block %1 came back damaged %2 times</source>
        <translation>数据块 %1 回读损坏 %2 次</translation>
    </message>
    <message>
        <source>block %1 did not come back (%2 attempts)</source>
        <translation>数据块 %1 未回读到（尝试 %2 次）</translation>
    </message>
    <message>
        <source>block %1 came back damaged %2 times and did not come %3 times</source>
        <translation>数据块 %1 回读损坏 %2 次，未回读到 %3 次</translation>
    </message>
    <message>
        <source>verification mismatch at block %1</source>
        <translation>校验在数据块 %1 处不一致</translation>
    </message>
    <message>
        <source>no firmware file is loaded</source>
        <translation>未载入固件文件</translation>
    </message>
    <message>
        <source>the connection is busy or down</source>
        <translation>连接正忙或已断开</translation>
    </message>
    <message>
        <source>the connection to the pump was lost</source>
        <translation>与泵的连接已断开</translation>
    </message>
    <message>
        <source>%1 failed: %2.</source>
        <translation>%1失败：%2。</translation>
    </message>
    <message>
        <source>The master pump does not answer as a boot loader: it is probably running its application.

Restart it into its boot loader now and go on with the upgrade?</source>
        <translation>主泵没有以引导程序应答：它可能正在运行应用程序。

现在将其重启到引导程序并继续升级吗？</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>Restarting the master pump into its boot loader</source>
        <translation>正在将主泵重启到引导程序</translation>
    </message>
    <message>
        <source>Save the master&apos;s settings in a setup file before the upgrade erases them? Restore Setup in the File menu brings them back.</source>
        <translation>升级将清除主机的设置，是否先把它们保存到设置文件中？之后可用“文件”菜单中的“恢复设置...”找回。</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>备份...</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>主机</translation>
    </message>
    <message>
        <source>No backup was saved. Erase the settings of the master pump all the same?</source>
        <translation>没有保存备份。仍要清除主机泵的设置吗？</translation>
    </message>
</context>
<context>
    <name>LinkStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Connecting... next try %1</source>
        <translation>正在连接... 下次尝试 %1</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>%1 not answering</source>
        <translation>%1 无应答</translation>
    </message>
    <message>
        <source>%1 read %2</source>
        <translation>%1 读取于 %2</translation>
    </message>
</context>
<context>
    <name>LiquidStatus</name>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>LiquidStatusUnit</name>
    <message>
        <source>Pump Name</source>
        <translation>泵名称</translation>
    </message>
    <message>
        <source>Liquid Left</source>
        <translation>剩余液量</translation>
    </message>
    <message>
        <source>Days Left</source>
        <translation>剩余天数</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>液瓶容量</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Refill</source>
        <translation>重新加满</translation>
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
        <translation>滴定泵</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Pump Name</source>
        <translation>泵名称</translation>
    </message>
    <message>
        <source>Chemical Interval</source>
        <translation>防化学干扰间隔</translation>
    </message>
    <message>
        <source>Ip and port</source>
        <translation>IP和端口</translation>
    </message>
    <message>
        <source>Restore setup</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Display prompt</source>
        <translation>显示提示</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Fireware upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Slave Setup</source>
        <translation>从机设置</translation>
    </message>
    <message>
        <source>Time/Temp</source>
        <translation>时间/温度</translation>
    </message>
    <message>
        <source>Dose Settings</source>
        <translation>滴定设置</translation>
    </message>
    <message>
        <source>Manual/Calibration</source>
        <translation>手动/校准</translation>
    </message>
    <message>
        <source>Liquid Status</source>
        <translation>液瓶状态</translation>
    </message>
    <message>
        <source>Quik Setup</source>
        <translation>快速设置</translation>
    </message>
    <message>
        <source>Liquid sensor</source>
        <translation>液位传感器</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Tidewell D4 dosing pump</source>
        <translation>Tidewell D4 滴定泵</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>立即重启</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>稍后重启</translation>
    </message>
    <message>
        <source>%1 did not answer; its pages are disabled</source>
        <translation>%1 没有应答；它的页面已禁用</translation>
    </message>
    <message>
        <source>%1 did not answer; their pages are disabled</source>
        <translation>%1 没有应答；它们的页面已禁用</translation>
    </message>
    <message>
        <source>Backup Setup...</source>
        <translation>备份设置...</translation>
    </message>
    <message>
        <source>Restore Setup...</source>
        <translation>恢复设置...</translation>
    </message>
    <message>
        <source>Quiet confirmations</source>
        <translation>静默确认</translation>
    </message>
    <message>
        <source>These pages have changes that have not been saved to the pump: %1. Discard them?</source>
        <translation>以下页面有尚未保存到泵的更改：%1。要放弃这些更改吗？</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>总览</translation>
    </message>
    <message>
        <source>Warnings: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>No warnings</source>
        <translation>无警告</translation>
    </message>
    <message>
        <source>Show the overview</source>
        <translation>显示总览</translation>
    </message>
</context>
<context>
    <name>ManuControl</name>
    <message>
        <source>Manual Control</source>
        <translation>手动控制</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Calibration mode</source>
        <translation>校准模式</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Run for</source>
        <translation>运行时长</translation>
    </message>
    <message>
        <source> S</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>Work Time</source>
        <translation>已运行</translation>
    </message>
    <message>
        <source>0 S</source>
        <translation>0 秒</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>实测出液量</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>Everage Flow</source>
        <translation>平均流量</translation>
    </message>
    <message>
        <source>0.00 ml/min</source>
        <translation>0.00 ml/min</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 ml/min</source>
        <translation>%1 ml/min</translation>
    </message>
    <message>
        <source>Run the calibration of this pump at its current speed to the end first, then enter the volume it delivered.</source>
        <translation>请先以该泵当前的速度档位运行校准直至结束，再输入实际出液量。</translation>
    </message>
    <message>
        <source>Enter the volume the pump delivered before saving.</source>
        <translation>保存前请输入泵的实际出液量。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>ManualControlUnit</name>
    <message>
        <source>Pump</source>
        <translation>泵</translation>
    </message>
    <message>
        <source>Precise flow</source>
        <translation>精准流量</translation>
    </message>
    <message>
        <source>Moderate flow</source>
        <translation>适中流量</translation>
    </message>
    <message>
        <source>Fast flow</source>
        <translation>快速流量</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1: a run of %2 ml is more than the %3 ml left in its bottle. The bottle may run empty before the run ends. Start it anyway?</source>
        <translation>%1：运行 %2 ml 多于液瓶中剩余的 %3 ml。液瓶可能在运行结束前用空。仍然启动吗？</translation>
    </message>
    <message>
        <source>Start Anyway</source>
        <translation>仍然启动</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <source>Setting Saved Successfully</source>
        <translation>设置保存成功</translation>
    </message>
    <message>
        <source>Failed to Save Setting</source>
        <translation>设置保存失败</translation>
    </message>
    <message>
        <source>Read setting Successfully</source>
        <translation>读取设置成功</translation>
    </message>
    <message>
        <source>Failed to read the setting</source>
        <translation>读取设置失败</translation>
    </message>
    <message>
        <source>Reconnect successfully</source>
        <translation>重新连接成功</translation>
    </message>
    <message>
        <source>Network connection error, please check your Internet setting</source>
        <translation>网络连接错误，请检查网络设置</translation>
    </message>
    <message>
        <source>Wrong Password</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>The old password is wrong</source>
        <translation>旧密码错误</translation>
    </message>
    <message>
        <source>The two passwords you enter do not match</source>
        <translation>两次输入的密码不一致</translation>
    </message>
    <message>
        <source>New password length must be shorter than 7</source>
        <translation>新密码长度必须少于7位</translation>
    </message>
    <message>
        <source>New password length can not be empty</source>
        <translation>新密码不能为空</translation>
    </message>
    <message>
        <source>Setting password successfully</source>
        <translation>密码设置成功</translation>
    </message>
    <message>
        <source>There is no data needs to be saved</source>
        <translation>没有需要保存的数据</translation>
    </message>
    <message>
        <source>Restore Factory Setting Successfully, the software will restart</source>
        <translation>恢复出厂设置成功，软件将重新启动</translation>
    </message>
    <message>
        <source>Stop running, Please enter the volume of solution</source>
        <translation>已停止运行，请输入实际出液量</translation>
    </message>
    <message>
        <source>Setting plan &apos;s titer beyond range</source>
        <translation>计划滴定量超出范围</translation>
    </message>
    <message>
        <source>Index error for setting plan</source>
        <translation>计划序号错误</translation>
    </message>
    <message>
        <source>Anti-chemical interference can not be more than 55 minutes</source>
        <translation>防化学干扰间隔不能超过55分钟</translation>
    </message>
    <message>
        <source>If you choose to delete the “setting information” ,After upgrade , All previously setting information will disappear , Strongly recommended not to choose</source>
        <translation>如果选择清除“设置信息”，升级后之前的所有设置信息都将丢失，强烈建议不要选择</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Read the original parameters of Auto Liquid Adding setting</source>
        <translation>读取自动加液的原有参数</translation>
    </message>
    <message>
        <source>Save the Auto liquid adding setup</source>
        <translation>保存自动加液设置</translation>
    </message>
    <message>
        <source>Read the setting parameters of solution bottle</source>
        <translation>读取液瓶的设置参数</translation>
    </message>
    <message>
        <source>Save the setting parameters of solution bottle</source>
        <translation>保存液瓶的设置参数</translation>
    </message>
    <message>
        <source>Time and temperature setting interface</source>
        <translation>时间和温度设置界面</translation>
    </message>
    <message>
        <source>Auto Dose setup interface, if you switch to other interface, the settings may change</source>
        <translation>自动滴定设置界面，切换到其他界面后设置可能会改变</translation>
    </message>
    <message>
        <source>Manual Control and Calibration interface</source>
        <translation>手动控制和校准界面</translation>
    </message>
    <message>
        <source>Status setting and checking interface of Solution bottle</source>
        <translation>液瓶状态设置与查看界面</translation>
    </message>
    <message>
        <source>Quickly setting interface</source>
        <translation>快速设置界面</translation>
    </message>
    <message>
        <source>Read temperature in the past 24 hours</source>
        <translation>读取过去24小时的温度</translation>
    </message>
    <message>
        <source>Read the original parameters of temperature setting</source>
        <translation>读取温度设置的原有参数</translation>
    </message>
    <message>
        <source>Save the parameters of  temperature setting</source>
        <translation>保存温度设置参数</translation>
    </message>
    <message>
        <source>Last update time</source>
        <translation>最后更新时间</translation>
    </message>
    <message>
        <source>Confirm to restore factory setting? The software will restart after resetting</source>
        <translation>确定恢复出厂设置吗？恢复后软件将重新启动</translation>
    </message>
    <message>
        <source>Language changed successfully, do you want to restart the software now?</source>
        <translation>语言切换成功，是否立即重启软件？</translation>
    </message>
    <message>
        <source>Plan Index</source>
        <translation>计划序号</translation>
    </message>
    <message>
        <source>Start time for plan</source>
        <translation>计划开始时间</translation>
    </message>
    <message>
        <source>Preset dosing volume</source>
        <translation>预设滴定量</translation>
    </message>
    <message>
        <source>Add or edit a plan</source>
        <translation>添加或修改计划</translation>
    </message>
    <message>
        <source>Delete a plan</source>
        <translation>删除计划</translation>
    </message>
    <message>
        <source>Checking the status of liquid sensor</source>
        <translation>查看液位传感器状态</translation>
    </message>
    <message>
        <source>Reading the status information for liquid sensor</source>
        <translation>读取液位传感器状态信息</translation>
    </message>
    <message>
        <source>Erase the setting information when update software , Strongly recommended not to choose</source>
        <translation>升级时清除设置信息，强烈建议不要选择</translation>
    </message>
    <message>
        <source>Open a binary file</source>
        <translation>打开二进制文件</translation>
    </message>
    <message>
        <source>Update program</source>
        <translation>升级程序</translation>
    </message>
</context>
<context>
    <name>OfflineCover</name>
    <message>
        <source>This pump did not answer when it was read, so none of its values are known.</source>
        <translation>读取时这台泵没有应答，因此它的数值都不可知。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Last try %1</source>
        <translation>上次尝试：%1</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Warn when a bottle has days left:</source>
        <translation>液瓶剩余天数不多于此值时警告：</translation>
    </message>
    <message>
        <source>Read All</source>
        <translation>全部读取</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每日</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>液瓶</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>剩余天数</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>传感器</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>Custom plans</source>
        <translation>自定义计划</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Every 2 days</source>
        <translation>每2天</translation>
    </message>
    <message>
        <source>Every 3 days</source>
        <translation>每3天</translation>
    </message>
    <message>
        <source>No week day</source>
        <translation>未选星期</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>未知模式</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>No dose</source>
        <translation>无剂量</translation>
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
        <translation>液量低</translation>
    </message>
    <message>
        <source>Sensor low</source>
        <translation>传感器报低</translation>
    </message>
    <message>
        <source>Above maximum</source>
        <translation>超过上限</translation>
    </message>
    <message>
        <source>%1 · offline: it did not answer its last read</source>
        <translation>%1 · 离线：上次读取无应答</translation>
    </message>
    <message>
        <source>clock %1, %2</source>
        <translation>时钟 %1，%2</translation>
    </message>
    <message>
        <source>clock not set</source>
        <translation>时钟未设置</translation>
    </message>
    <message>
        <source>%1 · Clock wrong</source>
        <translation>%1 · 时钟错误</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>通道%1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>%1 ml left of %2 ml</source>
        <translation>剩余 %1 ml，容量 %2 ml</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>%1 a day is above the maximum of %2</source>
        <translation>每日 %1 超过上限 %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 天</translation>
    </message>
    <message>
        <source>same time as the PC</source>
        <translation>与电脑时间一致</translation>
    </message>
    <message>
        <source>%1 ahead of the PC</source>
        <translation>比电脑快 %1</translation>
    </message>
    <message>
        <source>%1 behind the PC</source>
        <translation>比电脑慢 %1</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 无应答</translation>
    </message>
</context>
<context>
    <name>ParameterSetup</name>
    <message>
        <source>用户输入</source>
        <translation>用户输入</translation>
    </message>
    <message>
        <source>海缸总体积(L)</source>
        <translation>海缸总体积(L)</translation>
    </message>
    <message>
        <source>钙提升量(PPM)</source>
        <translation>钙提升量(PPM)</translation>
    </message>
    <message>
        <source>镁提升量(PPM)</source>
        <translation>镁提升量(PPM)</translation>
    </message>
    <message>
        <source>KH提升量(dKH)</source>
        <translation>KH提升量(dKH)</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>建议参数</source>
        <translation>建议参数</translation>
    </message>
    <message>
        <source>推荐滴定量</source>
        <translation>推荐滴定量</translation>
    </message>
    <message>
        <source>最大滴定量</source>
        <translation>最大滴定量</translation>
    </message>
    <message>
        <source>钙滴定量(ml)</source>
        <translation>钙滴定量(ml)</translation>
    </message>
    <message>
        <source>KH滴定量(ml)</source>
        <translation>KH滴定量(ml)</translation>
    </message>
    <message>
        <source>镁滴定量(ml)</source>
        <translation>镁滴定量(ml)</translation>
    </message>
    <message>
        <source>阴阳水滴定量(ml)</source>
        <translation>阴阳水滴定量(ml)</translation>
    </message>
    <message>
        <source>锶滴定量(ml)</source>
        <translation>锶滴定量(ml)</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>恢复</translation>
    </message>
</context>
<context>
    <name>ReadOutSplash</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>正在读取 %1...</translation>
    </message>
</context>
<context>
    <name>SensorStatusSetup</name>
    <message>
        <source>Master</source>
        <translation>主机</translation>
    </message>
    <message>
        <source> Reading status</source>
        <translation> 读取状态</translation>
    </message>
    <message>
        <source>Sensor4</source>
        <translation>传感器4</translation>
    </message>
    <message>
        <source>Sensor3</source>
        <translation>传感器3</translation>
    </message>
    <message>
        <source>Sensor2</source>
        <translation>传感器2</translation>
    </message>
    <message>
        <source>Sensor1</source>
        <translation>传感器1</translation>
    </message>
</context>
<context>
    <name>SetupDiff</name>
    <message>
        <source>every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>every 2 days</source>
        <translation>每 2 天</translation>
    </message>
    <message>
        <source>every 3 days</source>
        <translation>每 3 天</translation>
    </message>
    <message>
        <source>chosen weekdays</source>
        <translation>指定星期</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>精确</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>中速</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>Precise flow</source>
        <translation>精确流量</translation>
    </message>
    <message>
        <source>Moderate flow</source>
        <translation>中等流量</translation>
    </message>
    <message>
        <source>Fast flow</source>
        <translation>快速流量</translation>
    </message>
    <message>
        <source>unknown (%1)</source>
        <translation>未知 (%1)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
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
        <translation>未设置</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Dosing by</source>
        <translation>加液方式</translation>
    </message>
    <message>
        <source>custom plans</source>
        <translation>自定义计划</translation>
    </message>
    <message>
        <source>programme</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>所有通道</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>开关</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>运行模式</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>运行日</translation>
    </message>
    <message>
        <source>Doses per day</source>
        <translation>每日加液次数</translation>
    </message>
    <message>
        <source>Daily volume</source>
        <translation>每日总量</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>Channel %1 programme</source>
        <translation>通道 %1 程序</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>通道 %1</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Low threshold</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>High threshold</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Probe calibration</source>
        <translation>探头校准</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Channel %1 calibration</source>
        <translation>通道 %1 校准</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Liquid left</source>
        <translation>剩余液体</translation>
    </message>
    <message>
        <source>Bottle %1</source>
        <translation>瓶 %1</translation>
    </message>
    <message>
        <source>Aquarium volume</source>
        <translation>鱼缸水量</translation>
    </message>
    <message>
        <source>%1 l</source>
        <translation>%1 升</translation>
    </message>
    <message>
        <source>Channel %1 name</source>
        <translation>通道 %1 名称</translation>
    </message>
    <message>
        <source>Channel %1 reagent</source>
        <translation>通道 %1 试剂</translation>
    </message>
    <message>
        <source>Reagent %1</source>
        <translation>试剂 %1</translation>
    </message>
    <message>
        <source>%1 (%2) quick setup values</source>
        <translation>%1 (%2) 快速设置值</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>同当前</translation>
    </message>
    <message>
        <source>from the file</source>
        <translation>来自文件</translation>
    </message>
    <message>
        <source>Interval settings kept on the PC</source>
        <translation>保存在电脑上的间隔设置</translation>
    </message>
    <message>
        <source>PC settings</source>
        <translation>电脑设置</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>coil</source>
        <translation>线圈</translation>
    </message>
    <message>
        <source>discrete input</source>
        <translation>离散输入</translation>
    </message>
    <message>
        <source>input register</source>
        <translation>输入寄存器</translation>
    </message>
    <message>
        <source>holding register</source>
        <translation>保持寄存器</translation>
    </message>
    <message>
        <source>The file has no %1 table.</source>
        <translation>文件中没有 %1 表。</translation>
    </message>
    <message>
        <source>The %1 table holds %2 values; a setup file holds %3.</source>
        <translation>%1 表包含 %2 个值；设置文件应包含 %3 个。</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>非数字</translation>
    </message>
    <message>
        <source>The %1 %2 holds %3; it must be a whole number from 0 to %4.</source>
        <translation>%1 %2 的值为 %3；必须是 0 到 %4 之间的整数。</translation>
    </message>
    <message>
        <source>The PC settings in the file are incomplete (%1).</source>
        <translation>文件中的电脑设置不完整（%1）。</translation>
    </message>
    <message>
        <source>The file is not a setup file: %1 at character %2.</source>
        <translation>该文件不是设置文件：%1（位于第 %2 个字符）。</translation>
    </message>
    <message>
        <source>The file is not a setup file: it holds no JSON object.</source>
        <translation>该文件不是设置文件：其中没有 JSON 对象。</translation>
    </message>
    <message>
        <source>The file is not a Tidewell setup file (its format is &quot;%1&quot;).</source>
        <translation>该文件不是 Tidewell 设置文件（其格式为“%1”）。</translation>
    </message>
    <message>
        <source>The file&apos;s format version %1 is not one this program knows (%2).</source>
        <translation>本程序无法识别该文件的格式版本 %1（%2）。</translation>
    </message>
    <message>
        <source>The file does not say when it was saved.</source>
        <translation>文件中没有保存时间。</translation>
    </message>
    <message>
        <source>The file names no pump address from %1 to %2.</source>
        <translation>文件中没有 %1 到 %2 之间的泵地址。</translation>
    </message>
    <message>
        <source>The file holds no PC settings.</source>
        <translation>文件中没有电脑设置。</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>The file is too large to be a setup file.</source>
        <translation>文件过大，不可能是设置文件。</translation>
    </message>
</context>
<context>
    <name>SetupRestore</name>
    <message>
        <source>dose programme</source>
        <translation>加液程序</translation>
    </message>
    <message>
        <source>intervals</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>temperature settings</source>
        <translation>温度设置</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>bottles</source>
        <translation>瓶</translation>
    </message>
</context>
<context>
    <name>TimeTempSetup</name>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>无数据</translation>
    </message>
    <message>
        <source>Temperature Sensor</source>
        <translation>温度传感器</translation>
    </message>
    <message>
        <source>Temperature alarm</source>
        <translation>温度报警</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>High</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>读取设置</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日期/时间</translation>
    </message>
    <message>
        <source>Setup Time</source>
        <translation>手动设置时间</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>更新时间</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>℃ Celsius degrees</source>
        <translation>℃ 摄氏度</translation>
    </message>
    <message>
        <source>℉ Fahrenheit scale</source>
        <translation>℉ 华氏度</translation>
    </message>
    <message>
        <source>Low:%1 ℉</source>
        <translation>最低：%1 ℉</translation>
    </message>
    <message>
        <source>Low:%1 ℃</source>
        <translation>最低：%1 ℃</translation>
    </message>
    <message>
        <source>High:%1 ℉</source>
        <translation>最高：%1 ℉</translation>
    </message>
    <message>
        <source>High:%1 ℃</source>
        <translation>最高：%1 ℃</translation>
    </message>
    <message>
        <source>Active:%1 ℉</source>
        <translation>当前：%1 ℉</translation>
    </message>
    <message>
        <source>Active:%1 ℃</source>
        <translation>当前：%1 ℃</translation>
    </message>
    <message>
        <source>Pump clock: %1, %2</source>
        <translation>泵时钟：%1，%2</translation>
    </message>
    <message>
        <source>Pump clock: not set</source>
        <translation>泵时钟：未设置</translation>
    </message>
    <message>
        <source>The pump&apos;s clock is wrong: set it from the PC</source>
        <translation>泵的时钟不正确：请用电脑时间设置</translation>
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
        <translation>KH</translation>
    </message>
    <message>
        <source>Sr</source>
        <translation>Sr</translation>
    </message>
    <message>
        <source>阴阳水</source>
        <translation>阴阳水</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Firmvare App Version </source>
        <translation>固件应用版本 </translation>
    </message>
    <message>
        <source>Firmvare Version </source>
        <translation>固件版本 </translation>
    </message>
    <message>
        <source>Master</source>
        <translation>主机</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>从机</translation>
    </message>
</context>
<context>
    <name>WeekWidget</name>
    <message>
        <source>Monday </source>
        <translation>星期一 </translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday </source>
        <translation>星期六 </translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
</context>
</TS>
