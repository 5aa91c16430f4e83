-- 本脚本删除并重新建立设计中各类的表，这些表中原有的数据都会丢失；登录模块的表只在不存在时建立，已有的用户不受影响。
-- SQLite 建库脚本：数据库文件不存在时，应用程序(DAL.DBHelp)用它建库；
-- 设计改变后可用 sqlite3 LoginFrame.db < Database.sqlite.sql 重建设计中的表。
create table if not exists P_PasswordType (
	P_Id integer primary key autoincrement not null,
	U_Name varchar(50) collate nocase null
);
insert into P_PasswordType(U_Name)
select * from (values ('我最喜欢的动物'), ('我的小学班主任'), ('我的中学班主任'), ('我最爱吃什么'), ('我最爱吃什么'), ('我母亲叫什么'), ('我父亲叫什么'))
where not exists (select 1 from P_PasswordType);
create table if not exists U_UserInfo (
	U_Id integer primary key autoincrement not null, -- 用户编号
	U_Name varchar(50) collate nocase null, -- 用户名
	U_RelName varchar(50) collate nocase null, -- 用户真实姓名
	U_Sex bit null, -- 用户性别
	U_PassWord varchar(50) collate nocase null, -- 用户密码
	U_Birthday datetime null, -- 出生日期
	U_PsdType int null, -- 密保类型(管理员维护)
	U_PsdAnswer varchar(50) collate nocase null, -- 密保回答问题
	U_IdCard varchar(20) collate nocase null, -- 身份证号
	U_NativePlace varchar(20) collate nocase null, -- 籍贯
	U_Address varchar(50) collate nocase null, -- 家庭住址
	U_Telephone varchar(50) collate nocase null, -- 电话号码
	U_Email varchar(50) collate nocase null, -- 邮箱号码
	U_PostalId varchar(20) collate nocase null, -- 邮编号码
	U_QQ varchar(20) collate nocase null, -- QQ
	U_Position varchar(20) collate nocase null, -- 职位
	U_Reamrk varchar(50) collate nocase null, -- 备注
	U_LoginTime datetime null, -- 注册时间
	U_RoleType int null, -- 用户权限类型(XML记录)
	U_Image blob null -- 用户生活照
);
-- 初始用户：用户名 admin，密码 admin(U_PassWord 存密码 MD5 摘要的大写十六进制)，请登录后从“系统”菜单的“修改密码”立即修改。
insert into U_UserInfo(U_Name,U_Sex,U_PassWord,U_Birthday,U_LoginTime,U_RoleType)
select 'admin',1,'21232F297A57A5A743894A0E4A801FC3',strftime('%Y-%m-%d %H:%M:%f','now','localtime'),strftime('%Y-%m-%d %H:%M:%f','now','localtime'),2
where not exists (select 1 from U_UserInfo);

PRAGMA foreign_keys = OFF;
drop table if exists Dept;
drop table if exists Employee;

create table Dept (
	deptId integer primary key autoincrement not null,
	deptName varchar(20) collate nocase not null unique,
	parent int null,
	constraint FK_Dept_parent foreign key (parent) references Dept(deptId)
);

create table Employee (
	empNo varchar(10) collate nocase not null primary key,
	name varchar(20) collate nocase not null,
	gender varchar(2) collate nocase not null default '男' check (gender in ('男','女')),
	active int not null default 1,
	retired int not null default 0,
	age int not null default 18 check (age between 16 and 70),
	salary float not null check (salary>=0),
	bonus float not null check (bonus<=99999.5),
	status varchar(6) collate nocase null check (status in ('','草稿','已审核','已作废')),
	idCard varchar(18) collate nocase not null unique,
	manager varchar(10) collate nocase null,
	dept int not null,
	constraint FK_Employee_manager foreign key (manager) references Employee(empNo),
	constraint FK_Employee_dept foreign key (dept) references Dept(deptId)
);

