-- 本脚本删除并重新建立设计中各类的表，这些表中原有的数据都会丢失；登录模块的表只在不存在时建立，已有的用户不受影响。
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[P_PasswordType]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[P_PasswordType](
	[P_Id] [int] IDENTITY(1,1) NOT NULL,
	[U_Name] [varchar](50) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
GO
if not exists (select * from P_PasswordType)
begin
insert into P_PasswordType values('我最喜欢的动物')
insert into P_PasswordType values('我的小学班主任')
insert into P_PasswordType values('我的中学班主任')
insert into P_PasswordType values('我最爱吃什么')
insert into P_PasswordType values('我最爱吃什么')
insert into P_PasswordType values('我母亲叫什么')
insert into P_PasswordType values('我父亲叫什么')
end
GO
if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[U_UserInfo]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
create table U_UserInfo 
(
    U_Id	int			identity(1,1) PRIMARY KEY		not null,--用户编号
    U_Name				varchar(50)			null,--用户名,
    U_RelName			varchar(50)			null,--用户真实姓名,
    U_Sex				bit					null,--用户性别,
    U_PassWord			varchar(50)			null,--用户密码,
    U_Birthday			datetime			null,--出生日期
    U_PsdType			int					null,--密保类型(管理员维护)
    U_PsdAnswer			varchar(50)			null, --密保回答问题
    U_IdCard			varchar(20)			null, --身份证号
    U_NativePlace		varchar(20)			null, --籍贯
    U_Address			varchar(50)			null, --家庭住址
    U_Telephone			varchar(50)			null, --电话号码
    U_Email				varchar(50)			null, --邮箱号码
    U_PostalId			varchar(20)			null, --邮编号码
    U_QQ				varchar(20)			null, --QQ
    U_Position			varchar(20)			null, --职位
    U_Reamrk			varchar(50)			null, --备注
    U_LoginTime         datetime            null, --注册时间
    U_RoleType			int					null,--用户权限类型(XML记录)
    U_Image				image				null,--用户生活照
)
GO
-- 初始用户：用户名 admin，密码 admin(U_PassWord 存密码 MD5 摘要的大写十六进制)，请登录后从“系统”菜单的“修改密码”立即修改。
if not exists (select * from U_UserInfo)
insert into U_UserInfo(U_Name,U_Sex, U_PassWord,U_Birthday,U_LoginTime,U_RoleType)
values('admin',1,'21232F297A57A5A743894A0E4A801FC3',GETDATE(),GETDATE(),2)
GO
declare @dropForeignKeys nvarchar(max)
set @dropForeignKeys = N''
select @dropForeignKeys = @dropForeignKeys + N'ALTER TABLE ' + quotename(object_schema_name(parent_object_id)) + N'.' + quotename(object_name(parent_object_id)) + N' DROP CONSTRAINT ' + quotename(name) + N'; '
from sys.foreign_keys
where referenced_object_id in (object_id(N'[dbo].[Tag]'), object_id(N'[dbo].[Person]'), object_id(N'[dbo].[Loan]'), object_id(N'[dbo].[Reader]'), object_id(N'[dbo].[Book]'), object_id(N'[dbo].[Pair]'), object_id(N'[dbo].[Reading]'), object_id(N'[dbo].[Note]'), object_id(N'[dbo].[Item]'))
exec (@dropForeignKeys)
GO

if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Tag]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Tag]
GO

CREATE TABLE [dbo].[Tag] (
	[tagCode] [varchar] (8) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY 
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Person]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Person]
GO

CREATE TABLE [dbo].[Person] (
	[personId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,
	[height]]cm] [float] NOT NULL ,
	[age] [int] NOT NULL ,
	[photo] [image] NULL ,
	[name] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[nick] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[born] [datetime] NULL ,
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Loan]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Loan]
GO

CREATE TABLE [dbo].[Loan] (
	[loanId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,
	[reader] int NOT NULL ,
	[book] [varchar] (13) COLLATE Chinese_PRC_CI_AS NOT NULL 
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Reader]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Reader]
GO

CREATE TABLE [dbo].[Reader] (
	[readerId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Book]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Book]
GO

CREATE TABLE [dbo].[Book] (
	[isbn] [varchar] (13) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,
	[firstReader] int NOT NULL 
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Pair]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Pair]
GO

CREATE TABLE [dbo].[Pair] (
	[code] [varchar] (8) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,
	[label] [varchar] (10) COLLATE Chinese_PRC_CI_AS NOT NULL 
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Reading]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Reading]
GO

CREATE TABLE [dbo].[Reading] (
	[takenAt] [varchar] (12) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY 
) ON [PRIMARY]
GO



-- 类 Probe 的主键成员 probeId 的整型标志与类型不符，未生成它的表
-- 类 Wide 的主键成员 code 的长度 8001 不在1到8000之间，未生成它的表
-- 类 Draft 没有主键成员，未生成它的表
if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Note]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Note]
GO

CREATE TABLE [dbo].[Note] (
	[noteId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,
-- 类 Note 的成员 draft 引用的类 Draft 没有主键成员，未生成该列
	[text] [varchar] (100) COLLATE Chinese_PRC_CI_AS NOT NULL 
) ON [PRIMARY]
GO



-- 类 NOTE 与类 Note 重名(不区分大小写)，未生成它的表
if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Item]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Item]
GO

CREATE TABLE [dbo].[Item] (
	[itemId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,
	[amount] [float] NOT NULL 
-- 类 Item 的成员 memo 的长度 0 不在1到8000之间，未生成该列
-- 类 Item 的成员 client 引用的类 Client 不存在，未生成该列
-- 类 Item 的成员 unit 引用的类 Unit 不存在，未生成该列
-- 类 Item 的成员 note 引用的类 NOTE 的表未生成，未生成该列
) ON [PRIMARY]
GO



ALTER TABLE Loan ADD CONSTRAINT FK_Loan_reader FOREIGN KEY (reader) REFERENCES Reader(readerId)
ALTER TABLE Loan ADD CONSTRAINT FK_Loan_book FOREIGN KEY (book) REFERENCES Book(isbn)
ALTER TABLE Book ADD CONSTRAINT FK_Book_firstReader FOREIGN KEY (firstReader) REFERENCES Reader(readerId)
