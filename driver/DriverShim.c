/* Kernel side of the simulated controller: creates the device and its
 * \DosDevices link, reads the start values from the settings key, and hands
 * every device-control request to the controller model. */
#include <ddk/wdm.h>

#include "BuildNames.h"
#include "SimController.h"

/* The model and its journal live in static storage: one controller per system.
 * The driver host dispatches the requests of one driver one at a time, so the
 * model needs no lock of its own. */
static SimController Controller;

/* The kernel image links no C runtime; the compiler may still emit these. */
void* memcpy(void* to, const void* from, size_t count) {
    unsigned char* t = to;
    const unsigned char* f = from;
    while (count--)
        *t++ = *f++;
    return to;
}

void* memset(void* to, int value, size_t count) {
    unsigned char* t = to;
    while (count--)
        *t++ = (unsigned char)value;
    return to;
}

static NTSTATUS ToNtStatus(SimStatus status) {
    switch (status) {
    case SimOk:
        return STATUS_SUCCESS;
    case SimBufferTooSmall:
        return STATUS_BUFFER_TOO_SMALL;
    case SimInvalidRequest:
        return STATUS_INVALID_DEVICE_REQUEST;
    case SimInvalidParameter:
        return STATUS_INVALID_PARAMETER;
    case SimFailed:
        break;
    }
    return STATUS_UNSUCCESSFUL;
}

static NTSTATUS Complete(IRP* irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static NTSTATUS DispatchCreateClose(DEVICE_OBJECT* device, IRP* irp) {
    (void)device;
    return Complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS DispatchControl(DEVICE_OBJECT* device, IRP* irp) {
    (void)device;
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
    ULONG inLength = stack->Parameters.DeviceIoControl.InputBufferLength;
    ULONG outLength = stack->Parameters.DeviceIoControl.OutputBufferLength;
    if ((code & 3) != METHOD_BUFFERED)
        return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    uint32_t returned = 0;
    SimStatus status = SimDispatch(&Controller, code, irp->AssociatedIrp.SystemBuffer, inLength,
                                   outLength, &returned);
    if (Controller.DelayNowMs > 0) {
        LARGE_INTEGER interval;
        interval.QuadPart = -(LONGLONG)Controller.DelayNowMs * 10000; /* relative, 100 ns */
        Controller.DelayNowMs = 0;
        KeDelayExecutionThread(KernelMode, FALSE, &interval);
    }
    return Complete(irp, ToNtStatus(status), status == SimOk ? returned : 0);
}

static const char* const StartValueNames[] = {
    "VirtualButton", "RightButtonFunction", "RightButtonAutomatic", "FeedbackSound",
    "FeedbackTone",  "FeedbackDuration",    "MouseSpeed",           "PanelDirection"};

static int ReadDwordValue(HANDLE key, const char* name, ULONG* value) {
    WCHAR wide[32];
    int n = 0;
    while (name[n] && n < 31) {
        wide[n] = (WCHAR)name[n];
        n++;
    }
    wide[n] = 0;
    UNICODE_STRING valueName;
    RtlInitUnicodeString(&valueName, wide);
    union {
        KEY_VALUE_PARTIAL_INFORMATION info;
        UCHAR bytes[sizeof(KEY_VALUE_PARTIAL_INFORMATION) + 8];
    } buffer;
    ULONG length = 0;
    NTSTATUS status = ZwQueryValueKey(key, &valueName, KeyValuePartialInformation, &buffer,
                                      sizeof buffer, &length);
    if (!NT_SUCCESS(status) || buffer.info.Type != REG_DWORD || buffer.info.DataLength != 4)
        return 0;
    *value = *(const ULONG*)buffer.info.Data;
    return 1;
}

/* The suite's 32-bit programs see the 32-bit view of SOFTWARE; look there first. */
static void LoadStartValues(void) {
    static const WCHAR* const paths[] = {L"\\Registry\\Machine\\" TS_SETTINGS_ROOT
                                         "\\Wow6432Node\\" TS_SETTINGS_VENDOR_PATH
                                         "\\" TS_PRODUCT_LABEL,
                                         L"\\Registry\\Machine\\" TS_SETTINGS_ROOT
                                         "\\" TS_SETTINGS_VENDOR_PATH "\\" TS_PRODUCT_LABEL};
    for (unsigned p = 0; p < sizeof paths / sizeof paths[0]; p++) {
        UNICODE_STRING path;
        RtlInitUnicodeString(&path, paths[p]);
        OBJECT_ATTRIBUTES attributes;
        InitializeObjectAttributes(&attributes, &path, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE,
                                   NULL, NULL);
        HANDLE key;
        if (!NT_SUCCESS(ZwOpenKey(&key, KEY_READ, &attributes)))
            continue;
        for (unsigned i = 0; i < sizeof StartValueNames / sizeof StartValueNames[0]; i++) {
            ULONG value;
            if (ReadDwordValue(key, StartValueNames[i], &value))
                SimApplyStartValue(&Controller, StartValueNames[i], value);
        }
        ZwClose(key);
        return;
    }
}

static void DriverUnload(DRIVER_OBJECT* driver) {
    UNICODE_STRING link;
    RtlInitUnicodeString(&link, L"\\DosDevices\\" TS_DRIVER_NAME);
    IoDeleteSymbolicLink(&link);
    if (driver->DeviceObject)
        IoDeleteDevice(driver->DeviceObject);
}

NTSTATUS WINAPI DriverEntry(DRIVER_OBJECT* driver, UNICODE_STRING* registryPath) {
    (void)registryPath;
    SimInit(&Controller, TS_BUILD_PS2);
    LoadStartValues();

    UNICODE_STRING name, link;
    RtlInitUnicodeString(&name, L"\\Device\\" TS_DRIVER_NAME);
    RtlInitUnicodeString(&link, L"\\DosDevices\\" TS_DRIVER_NAME);
    DEVICE_OBJECT* device;
    NTSTATUS status = IoCreateDevice(driver, 0, &name, FILE_DEVICE_MOUSE, 0, FALSE, &device);
    if (!NT_SUCCESS(status))
        return status;
    status = IoCreateSymbolicLink(&link, &name);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(device);
        return status;
    }
    device->Flags |= DO_BUFFERED_IO;
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreateClose;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchCreateClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->DriverUnload = DriverUnload;
    return STATUS_SUCCESS;
}
