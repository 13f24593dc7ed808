<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-FileCopyrightText: 2026 The duset developers -->
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- Thai for the texts that Qt itself draws in the program's windows, menus and boxes -->
<TS version="2.1" language="th_TH" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>เ&amp;ลิกทำ</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำ&amp;ซ้ำ</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;ตัด</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;คัดลอก</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;วาง</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;คัดลอก</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>บันทึกทั้งหมด</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;ใช่</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>ใช่&amp;ทั้งหมด</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ไ&amp;ม่</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ไม่ทั้ง&amp;หมด</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ยกเลิกกลางคัน</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองใหม่</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>ข้าม</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ทิ้ง</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>ใช้</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ตั้งใหม่</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>คืนค่าเดิม</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ตกลง</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;บันทึก</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ยก&amp;เลิก</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;ปิด</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>ปิดโดยไม่บันทึก</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>About Qt</source>
        <translation>เกี่ยวกับ Qt</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;เกี่ยวกับ Qt&lt;/h3&gt;&lt;p&gt;โปรแกรมนี้ใช้ Qt รุ่น %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt เป็นชุดเครื่องมือภาษา C++ สำหรับพัฒนาโปรแกรมที่ทำงานได้บนหลายระบบ&lt;/p&gt;&lt;p&gt;Qt ให้เขียนซอร์สโค้ดชุดเดียวแล้วใช้ได้บนระบบปฏิบัติการเดสก์ท็อปหลักทุกระบบ และยังใช้ได้บนลินุกซ์แบบฝังตัว ตลอดจนระบบปฏิบัติการแบบฝังตัวและแบบพกพาอื่น ๆ&lt;/p&gt;&lt;p&gt;Qt มีสัญญาอนุญาตให้เลือกหลายแบบ เพื่อให้เหมาะกับความต้องการของผู้ใช้แต่ละกลุ่ม&lt;/p&gt;&lt;p&gt;Qt ภายใต้สัญญาอนุญาตเชิงพาณิชย์ของเรา เหมาะสำหรับการพัฒนาซอฟต์แวร์กรรมสิทธิ์หรือซอฟต์แวร์เชิงพาณิชย์ ที่คุณไม่ต้องการเปิดเผยซอร์สโค้ดใด ๆ แก่บุคคลที่สาม หรือไม่อาจปฏิบัติตามเงื่อนไขของ GNU (L)GPL ได้&lt;/p&gt;&lt;p&gt;Qt ภายใต้ GNU (L)GPL เหมาะสำหรับการพัฒนาโปรแกรม Qt&amp;nbsp;ที่คุณปฏิบัติตามข้อกำหนดและเงื่อนไขของสัญญาอนุญาตนั้น ๆ ได้&lt;/p&gt;&lt;p&gt;ภาพรวมของสัญญาอนุญาตของ Qt อยู่ที่ &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;สงวนลิขสิทธิ์ (C) %1 The Qt Company Ltd และผู้ร่วมพัฒนาอื่น ๆ&lt;/p&gt;&lt;p&gt;Qt และโลโก้ Qt เป็นเครื่องหมายการค้าของ The Qt Company Ltd&lt;/p&gt;&lt;p&gt;Qt เป็นผลิตภัณฑ์ของ The Qt Company Ltd ที่พัฒนาเป็นโครงการโอเพนซอร์ส ข้อมูลเพิ่มเติมอยู่ที่ &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <translation>กด</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>สั่งให้ทำงาน</translation>
    </message>
    <message>
        <source>ShowMenu</source>
        <translation>แสดงเมนู</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>แสดงเมนู</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>รับโฟกัส</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>ย้ายโฟกัสมาที่นี่</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>เปิดรายการให้เลือก</translation>
    </message>
</context>
</TS>
