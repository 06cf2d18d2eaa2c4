<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>软件退出</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>发生冲突，软件已停止运行！</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>崩溃报告已保存到：</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>请先选择一个按键</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>设置失败，文本为空</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>设置失败，无法保存配置文件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>仅在此窗口获得焦点时才会捕获按键。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按键重映射</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>切换配置文件</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>启动应用程序</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷功能</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>键盘设置</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>键盘灯光</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>侧灯</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>高级按键</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>屏幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>屏幕亮度-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上滚动</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定计算机</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>锁定键盘</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>锁定/解锁 Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>锁定 Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解锁 Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 层</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 层</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>电量查询</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>蓝牙 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>蓝牙 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>蓝牙 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切换到 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切换到 USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整体灯效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互动灯效</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部灯效</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>亮度 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>亮度 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>方向 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>方向 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>方向循环</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切换为全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切换上层颜色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切换下层颜色</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自定义 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自定义 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部关闭</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>关闭背光</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暂停背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>灯光录制</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>关闭侧灯</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暂停侧灯</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>不可重新映射</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>下载配置成功</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>下载配置失败，请重试</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>有 %n 个按键绑定了宏，但键盘只能保存 %1 个。未发送任何内容。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>有 %n 个按键绑定了高级按键，但键盘只能保存 %1 个。未发送任何内容。</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>按键 %1 上的组合键包含两个以上的修饰键，键盘无法保存。未发送任何内容。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>设备列表</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>全键校准中 ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>设备离线</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>该设备已选中</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按键自定义</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>灯光设置</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>触发设置</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 层</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>加载中</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 锁开启时：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>禁用 Windows 键</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>禁用 SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>禁用 ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>禁用 ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>灯光进入休眠：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>键盘进入休眠：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>禁止休眠</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>键盘属性</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重置当前配置文件</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>灯光进入休眠的时间不能长于键盘进入休眠的时间</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>键盘进入休眠的时间太短</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>休眠时间已设置</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>休眠时间设置失败</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>按键校准中，请稍候</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>休眠时间超出范围</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>创建配置文件成功</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>删除配置文件成功</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改配置文件成功</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>导出配置文件成功</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>导入配置文件成功</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>配置文件数量已达上限</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>创建失败，该序号的配置文件已存在，请检查</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一个配置文件</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>该配置文件不存在</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>配置文件名称不能为空</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>文件 %1 已存在。是否替换？</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>请先选择导入文件</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>创建配置文件失败</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>删除配置文件失败</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>修改配置文件失败</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>导出配置文件失败</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>导入配置文件失败</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>%1 已损坏，已从备份恢复；损坏的文件已移至 %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>%1 已损坏，已重新创建为空文件；损坏的文件已移至 %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>%1 已损坏且无法移开；其设置无法使用</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重置当前配置文件？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存目录</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>配置文件 (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>键盘尚未就绪；它一响应就会加载</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>没有需要升级固件的键盘</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>灯光</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>触发</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>按下（触发）</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>释放（复位）</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>行程追踪</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>按下与释放灵敏度</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>快速触发</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>重置灵敏度</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>按键防抖</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>按键校准模式</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>开始校准</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>停止校准</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>根据您按下或松开按键的意图，自定义调整触发行程和重置行程。</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>您可以分别设置快速触发按下（触发）和松开（重置）的行程值。</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全键校准</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.先进入按键校准模式；</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.选择一个按键；</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.点击“开始校准”；</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.按下所选按键；</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.返回按键校准结果；</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>开启时，只有完全松开按键，快速触发才会结束。</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>关闭时，按键松开回到触发键程之上即结束快速触发。</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>设置触发键程：按键按下多深才触发。</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>开启全键校准后，请按下所有按键以完成校准。</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>快速触发</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>根据您按下或松开按键的意图，自定义调整触发行程和重置行程。</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>二段灵敏度</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>您可以分别设置快速触发按下（触发）和松开（重置）的行程值。</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>按下/释放</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>释放</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>按键防抖</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>进入校准模式</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>开始校准</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全键校准</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>力度追踪</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>重置灵敏度</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.说明</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.说明</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.说明</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.说明</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.说明</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>说明</translation>
    </message>
</context>
<context>
    <name>DMagneticCustomEventTipView</name>
    <message>
        <source>Enter</source>
        <translation>回车</translation>
    </message>
    <message>
        <source>(Light Press)Remap key</source>
        <translation>（轻按）按键重映射</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>（重按）组合键</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+空格</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>霓虹</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>雷达</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>贪吃蛇</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>按键响应</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>极光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>涟漪</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>速度响应</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自动涟漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>条纹</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>烟花</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音乐律动</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>文件超过 %1 MB，无法导入</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>未保存：文件将超过 %1 MB。未做任何更改。</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>无法创建目录 %1</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>目录 %1 的路径过长</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 超过 %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>无法读写 %1</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>无法打开 %1 的配置文件：%2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>要导入的配置文件中的按键会启动以下程序：

%1

是否连同这些按键导入配置文件？否则不会导入任何内容。</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>请先开启按键校准模式</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>按键校准成功</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>按键校准中</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>按键校准失败</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>宏录制</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>宏列表</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>延时设置</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>录制延时</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>无延时</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>默认延时</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>开始录制宏</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>停止录制宏</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>事件数量已达上限</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>请先选择具体位置</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>插入成功</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>事件列表</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>录制内容为空</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>插入事件</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>在事件后插入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>在事件前插入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>键盘事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>鼠标事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延时</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>请按下按键</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>请输入延时</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>已添加宏</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>已删除宏</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>宏名称不能为空</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>宏名称已修改</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>请先选择宏</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>已清空宏</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>无法保存宏文件</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>无法读取宏文件</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>有 %n 个按键绑定了此宏。删除宏后，这些按键将恢复默认功能。是否删除？</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>普通按键</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊按键</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 动作的触发键程</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>无法保存高级按键文件</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>产品名称：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>升级进度：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>当前版本：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>固件升级过程中请勿拔出设备！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>固件升级成功</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>2.4 GHz 接收器</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>固件升级失败</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>鼠标按键</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>宏录制</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>宏列表</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>延时设置</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>录制延时</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>无延时</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>默认延时</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>事件列表</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>录制内容为空</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>插入事件</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>在事件后插入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>在事件前插入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>键盘事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>鼠标事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延时</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>请按下按键</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>请输入延时</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>普通按键</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊按键</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 动作的触发键程</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>自定义方案名称不能为空</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>自定义方案名称已修改</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>自定义方案名称修改失败</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上层颜色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下层颜色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自定义方案</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>键盘/侧灯</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>向右</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>向左</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>向上</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>向下</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>由中心向外</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>由外向中心</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>顺时针</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>逆时针</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>侧灯：%1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>先在图中选择按键，再选取颜色。</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>在键盘上使用此方案</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>该设备没有侧灯</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>灯光设置无法保存或发送到键盘。</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>设置键盘的按键、灯光和配置文件</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>开机启动</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>开机时自动启动（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>关闭时最小化到托盘</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>检查固件升级</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>设置成功</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>设置失败</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>固件信息</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虚拟键盘</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>正在监听：请按下按键，或在下方选择</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>重映射为哪个键？</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>输入按键？</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韩/英</translation>
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
        <translation>播放类型</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>连续播放开/关</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按键时播放</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次数 1、2、3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定宏</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>指定配置文件</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>请先录制宏</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>选择应用</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>请选择应用程序所在的文件</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>输入文本…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>文本过长，放不下的部分未添加</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>自定义方案</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>开机启动</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>开机时自动启动（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>关闭时最小化到托盘</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>检查固件升级</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>应用软件</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>固件信息</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>灯光模式</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上层颜色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下层颜色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自定义方案</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
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
        <translation>虚拟键盘</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按键重映射</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>重映射为哪个键？</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>输入按键？</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>指定配置文件</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>选择应用</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>请选择应用程序所在的文件</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择应用程序</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>输入文本…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>高级按键</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>按住</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>单击</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>按住时长</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>暂无高级按键</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>该按键有两种功能：按住按键为一种，单击按键为另一种。</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>单击此按键可开启或关闭连续触发。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>按住</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>单击</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>按住时长</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>暂无高级按键</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>该按键有两种功能：按住按键为一种，单击按键为另一种。</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>单击此按键可开启或关闭连续触发。</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>选择“单键”时，只需单击某个按键即可完成按键设置；</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>选择“组合键”时，需要至少选择一个组合修饰键和一个其他按键才能完成组合键的输入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>该按键可实现四种功能：可根据四种不同的按压深度绑定 1 到 4 个功能。</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>高级按键创建成功</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>高级按键删除成功</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>高级按键数量已达上限</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>有 %n 个按键绑定了此高级按键。删除后，这些按键将恢复默认功能。是否删除？</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>打开宏文件</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>宏文件 (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>导出宏成功</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>导入宏成功</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>导出宏失败：无法读取该宏</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>导出宏失败：无法写入 %1</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>导入宏失败：%1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>文件大于 %1 MB</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>文件不是完整的 XML 文档</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>文件中没有事件</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>文件中的事件过多（最多 %1 个）</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>事件 %1 的某个值超出其字段长度</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>事件 %1 的标记不是十进制数</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>事件 %1 的延时不是 0 到 %2 之间的数字</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>事件 %1 既不是键盘事件也不是鼠标事件</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>事件 %1 的键码不是 %2 到 %3 之间的数字</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>事件 %1 的鼠标代码不对应任何鼠标按键</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>事件 %1 既不是按下也不是松开</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>标记 %1 没有恰好一次按下及其后的一次松开</translation>
    </message>
</context>
</TS>
