"""The subnet calculator: the address typed in, its pages read back."""

from harness import AppCase


class SubnetCase(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Subnet")


class AddressEntry(SubnetCase):
    TYPED = ["192.168.100.1", "172.16.5.4", "10.200.3.4"]

    def test_typed_after_the_accelerator(self):
        self.app.select_page("Address Info")
        for address in self.TYPED:
            with self.subTest(address=address):
                self.app.keys("alt+a")  # the focus starts elsewhere: in the Address Type group
                self.app.keys("alt+i")
                self.app.type(address)
                self.app.keys("Tab")
                self.assertReads("IP Address", address)

    def test_typed_after_double_clicking_the_first_field(self):
        self.app.select_page("Address Info")
        for address in self.TYPED:
            with self.subTest(address=address):
                self.app.enter_address(address)
                self.assertReads("IP Address", address)
