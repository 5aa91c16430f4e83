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
where referenced_object_id in (object_id(N'[dbo].[Dept]'), object_id(N'[dbo].[Employee]'))
exec (@dropForeignKeys)
GO

if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Dept]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Dept]
GO

CREATE TABLE [dbo].[Dept] (
	[deptId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,
	[deptName] [varchar] (20) COLLATE Chinese_PRC_CI_AS NOT NULL UNIQUE ,
	[parent] int NULL 
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Employee]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Employee]
GO

CREATE TABLE [dbo].[Employee] (
	[empNo] [varchar] (10) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,
	[name] [varchar] (20) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[gender] [varchar] (2) COLLATE Chinese_PRC_CI_AS NOT NULL DEFAULT '男' CHECK ([gender] in ('男','女')) ,
	[active] [bit] NOT NULL DEFAULT 1 ,
	[retired] [bit] NOT NULL DEFAULT 0 ,
	[age] [int] NOT NULL DEFAULT 18 CHECK ([age] between 16 and 70) ,
	[salary] [float] NOT NULL CHECK ([salary]>=0) ,
	[bonus] [float] NOT NULL CHECK ([bonus]<=99999.5) ,
	[status] [varchar] (6) COLLATE Chinese_PRC_CI_AS NULL CHECK ([status] in ('','草稿','已审核','已作废')) ,
	[idCard] [varchar] (18) COLLATE Chinese_PRC_CI_AS NOT NULL UNIQUE ,
	[manager] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[dept] int NOT NULL 
) ON [PRIMARY]
GO



ALTER TABLE Dept ADD CONSTRAINT FK_Dept_parent FOREIGN KEY (parent) REFERENCES Dept(deptId)
ALTER TABLE Employee ADD CONSTRAINT FK_Employee_manager FOREIGN KEY (manager) REFERENCES Employee(empNo)
ALTER TABLE Employee ADD CONSTRAINT FK_Employee_dept FOREIGN KEY (dept) REFERENCES Dept(deptId)
